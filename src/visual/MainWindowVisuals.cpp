#include "visual/MainWindowVisuals.h"

#include "base/Paths.h"

namespace vantor {

MainWindowVisuals::MainWindowVisuals(const SkinDefinition& skin, SkinSurfaces& surfaces,
                                     Settings& settings, TextPainter& painter,
                                     TextFieldPainter& fields)
    : m_skin(skin), m_surfaces(surfaces), m_settings(settings),
      m_songInfo(skin, surfaces, settings, painter, fields) {}

void MainWindowVisuals::PrepareAnalyzer(PictureSource& pictures) {
    m_analyzer = AnalyzerDisplay{};
    m_analyzerAtRest = false;
    if (!m_skin.analyzerAreaPlaced)
        return;
    // An area beyond the face cannot be seen; keeping it within the face also
    // bounds what a skin file can make the analyzer allocate.
    const gfx::Rect area =
        gfx::Intersect(ToGfx(m_skin.spectrumField.rect), m_surfaces.face.Bounds());
    m_analyzer.Place({area.left, area.top, area.right, area.bottom});
    // A skin pattern the user chose to ignore leaves room for the user's own
    // pattern file, which is what ignoring the skin's pattern is for.
    Picture pattern = m_skin.spectrumPattern;
    if (!pattern && FileExists(m_settings.AnalyzerPatternFile))
        pattern = pictures.LoadPicture(m_settings.AnalyzerPatternFile);
    m_analyzer.SetPattern(pattern ? *pattern : BuildDefaultPattern(area.Height()),
                          m_skin.spectrumPatternType);
    m_analyzer.SetPeakColour(
        gfx::FromColorRef(static_cast<std::uint32_t>(m_skin.spectrumPeakColor)));
    ApplyOscilloscopePen(m_analyzer.Pen(), m_skin, m_settings);
}

void MainWindowVisuals::AnalyzerTick(AnalyzerSource& spectrum, OscilloscopeInput& oscilloscope) {
    if (m_settings.AnalyzerDisable == 1 || !m_analyzer.IsPlaced())
        return;
    if (m_settings.AnalyzerPattern < kOscilloscopeStyle) {
        m_analyzer.DrawSpectrum(m_surfaces.mainWindow, m_surfaces.FaceShown(),
                                m_settings.AnalyzerPattern, spectrum.IsLive(), spectrum,
                                m_settings);
        m_analyzerAtRest = m_analyzer.AtRest();
    } else {
        DrawOscilloscope(m_surfaces.mainWindow, m_surfaces.FaceShown(), m_oscilloscopeWork,
                         m_analyzer.Area(), m_analyzer.Pen(), oscilloscope, m_settings);
        // Without a sounding channel the oscilloscope is a level line.
        m_analyzerAtRest = oscilloscope.ChannelsPlaying() == 0;
    }
}

bool MainWindowVisuals::AnalyzerAtRest() const {
    return m_settings.AnalyzerDisable == 1 || !m_analyzer.IsPlaced() || m_analyzerAtRest;
}

void MainWindowVisuals::NextAnalyzerStyle() {
    const int next = m_settings.AnalyzerPattern + 1;
    if (next > kOscilloscopeStyle)
        SelectAnalyzerStyle(0);
    else if (next == kOscilloscopeStyle)
        SelectOscilloscope();
    else
        SelectAnalyzerStyle(next - 1);
}

void MainWindowVisuals::SelectAnalyzerStyle(int index) {
    m_settings.AnalyzerPattern = index + 1;
    m_analyzer.Pen().SetWidth(1);
}

void MainWindowVisuals::SelectOscilloscope() {
    m_settings.AnalyzerPattern = kOscilloscopeStyle;
    ApplyOscilloscopePen(m_analyzer.Pen(), m_skin, m_settings);
}

} // namespace vantor
