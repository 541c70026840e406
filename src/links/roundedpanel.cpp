#include "roundedpanel.h"

#include <QPainter>

RoundedPanel::RoundedPanel(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
}

void RoundedPanel::setFillColour(const QColor& colour)
{
    m_fill = colour;
    update();
}

void RoundedPanel::setBorder(const QColor& colour, int width)
{
    m_border = colour;
    m_borderWidth = width;
    update();
}

void RoundedPanel::setCornerWidth(int width)
{
    m_cornerWidth = width;
    update();
}

void RoundedPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(m_borderWidth > 0 ? QPen(m_border, m_borderWidth) : QPen(Qt::NoPen));
    painter.setBrush(m_fill);
    const qreal inset = m_borderWidth / 2.0;
    const QRectF area = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    painter.drawRoundedRect(area, m_cornerWidth / 2.0, m_cornerWidth / 2.0);
}
