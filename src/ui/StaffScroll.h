// The staff list of the About window: centred lines that a timer moves
// upwards through the widget, starting again below once the last line has
// left at the top. Scrolls only while shown. UI thread only.
#pragma once

#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace vantor {

class StaffScroll : public QWidget {
    Q_OBJECT
public:
    // One pixel per step at this interval reads comfortably.
    static constexpr int kStepIntervalMs = 40;

    explicit StaffScroll(const QStringList& lines, QWidget* parent = nullptr);

    // Moves the lines up by one pixel (the timer's step).
    void Step();
    // How far the lines have moved up since they started below the widget.
    int Offset() const { return m_offset; }
    bool Scrolling() const { return m_timer.isActive(); }
    const QStringList& Lines() const { return m_lines; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    int LineHeight() const;

    QStringList m_lines;
    int m_offset = 0;
    QTimer m_timer;
};

} // namespace vantor
