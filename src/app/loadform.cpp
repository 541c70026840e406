#include "loadform.h"

#include "common/translate.h"
#include "mainform.h"
#include "windowset.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

TLoadForm::TLoadForm(int windowCount, CreateWindows createWindows)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), m_windowCount(windowCount),
      m_createWindows(std::move(createWindows))
{
    setObjectName(QStringLiteral("LoadForm"));
    setFixedSize(256, 100);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("LD"));
    m_progress->setGeometry(8, 72, 241, 17);
    m_progress->setTextVisible(false);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("T"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &TLoadForm::TTimer);
    m_timer->start();
}

TLoadForm::~TLoadForm() = default;

void TLoadForm::TTimer()
{
    if (!isVisible())
        return;
    m_timer->stop();
    m_progress->setRange(0, m_windowCount);
    m_progress->setValue(0);
    m_windows = m_createWindows([this] {
        m_progress->setValue(m_progress->value() + 1);
        m_progress->repaint();
    });
    hide();
    m_windows->mainForm().show();
}

void TLoadForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(40, 70, 140));
    gradient.setColorAt(1, QColor(10, 20, 50));
    painter.fillRect(rect(), gradient);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(22);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(8, 8, 240, 32), Qt::AlignCenter, QStringLiteral("TAVU"));
    font.setPixelSize(12);
    font.setBold(false);
    painter.setFont(font);
    painter.drawText(QRect(8, 40, 240, 24), Qt::AlignCenter, Translate("редактор файлов меню"));
}
