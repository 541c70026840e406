#pragma once

#include <QColor>
#include <QFrame>

// A panel painted with rounded corners and a border, used for colour swatches, the preview
// screen frame and the link type explanation.
class RoundedPanel : public QFrame
{
    Q_OBJECT

public:
    explicit RoundedPanel(QWidget* parent = nullptr);

    QColor fillColour() const { return m_fill; }
    void setFillColour(const QColor& colour);
    void setBorder(const QColor& colour, int width);
    void setCornerWidth(int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill = Qt::white;
    QColor m_border = Qt::gray;
    int m_borderWidth = 1;
    int m_cornerWidth = 10;
};
