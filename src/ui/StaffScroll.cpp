#include "ui/StaffScroll.h"

#include <QPainter>

#include <algorithm>

namespace vantor {

StaffScroll::StaffScroll(const QStringList& lines, QWidget* parent)
    : QWidget(parent), m_lines(lines) {
    m_timer.setInterval(kStepIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &StaffScroll::Step);
    setMinimumHeight(8 * LineHeight());
    int widest = 0;
    for (const QString& line : m_lines)
        widest = std::max(widest, fontMetrics().horizontalAdvance(line));
    setMinimumWidth(widest + 2 * fontMetrics().averageCharWidth());
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

int StaffScroll::LineHeight() const {
    return fontMetrics().lineSpacing();
}

void StaffScroll::Step() {
    ++m_offset;
    // Once the last line has left at the top, the list comes in again below.
    if (m_offset > height() + LineHeight() * static_cast<int>(m_lines.size()))
        m_offset = 0;
    update();
}

void StaffScroll::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    const int lineHeight = LineHeight();
    int top = height() - m_offset;
    for (const QString& line : m_lines) {
        if (top + lineHeight > 0 && top < height())
            painter.drawText(QRect(0, top, width(), lineHeight), Qt::AlignHCenter, line);
        top += lineHeight;
    }
}

void StaffScroll::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_timer.start();
}

void StaffScroll::hideEvent(QHideEvent* event) {
    m_timer.stop();
    QWidget::hideEvent(event);
}

} // namespace vantor
