// The visualisation of the main window after a skin is applied: the analyzer
// area (spectrum or oscilloscope) with its pattern and pen, and the
// song-information field. Owned by the Player; draws onto the Player's
// surfaces. UI thread.
#pragma once

#include "skin/PictureSource.h"
#include "skin/SkinDefinition.h"
#include "skin/SkinSurfaces.h"
#include "skin/TextFieldPainter.h"
#include "visual/AnalyzerDisplay.h"
#include "visual/AnalyzerSource.h"
#include "visual/Oscilloscope.h"
#include "visual/SongInfoDisplay.h"

namespace vantor {

class MainWindowVisuals {
public:
    MainWindowVisuals(const SkinDefinition& skin, SkinSurfaces& surfaces, Settings& settings,
                      TextPainter& painter, TextFieldPainter& fields);

    // Places the analyzer area, chooses its pattern (the skin's, the user's
    // pattern file, or the generated one) and pen.
    void PrepareAnalyzer(PictureSource& pictures);

    // The analyzer timer: a spectrum frame in styles 1..13, the
    // oscilloscope at 14; nothing while disabled or without an area.
    void AnalyzerTick(AnalyzerSource& spectrum, OscilloscopeInput& oscilloscope);
    // Whether another frame would show what the last one showed (always so
    // while the analyzer is off or has no area).
    bool AnalyzerAtRest() const;

    // A press on the analyzer area: the next style, after the oscilloscope
    // back to style 1. The caller saves the settings.
    void NextAnalyzerStyle();
    // The analyzer menu: style index + 1 (index 0..12), pen width 1.
    void SelectAnalyzerStyle(int index);
    void SelectOscilloscope();

    AnalyzerDisplay& Analyzer() { return m_analyzer; }
    SongInfoDisplay& SongInfo() { return m_songInfo; }

private:
    const SkinDefinition& m_skin;
    SkinSurfaces& m_surfaces;
    Settings& m_settings;
    AnalyzerDisplay m_analyzer;
    SongInfoDisplay m_songInfo;
    gfx::Surface m_oscilloscopeWork;
    bool m_analyzerAtRest = false;
};

} // namespace vantor
