#include "ShotStage.h"

#include <QFile>
#include <QTimer>
#include <QWidget>

namespace {
constexpr int kPollMs = 100;
constexpr int kRepaintMs = 400;
} // namespace

ShotStage::ShotStage(QString readyFile) : m_readyFile(std::move(readyFile)) {}

void ShotStage::when(std::function<bool()> done, std::function<void()> action)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll,
                     [poll, done = std::move(done), action = std::move(action)] {
                         if (!done())
                             return;
                         poll->stop();
                         poll->deleteLater();
                         action();
                     });
    poll->start(kPollMs);
}

void ShotStage::readyWhen(QWidget *window, std::function<bool()> done)
{
    when(std::move(done), [this, window] {
        QTimer::singleShot(kRepaintMs, window, [this, window] { writeGeometry(*window); });
    });
}

void ShotStage::readyNow(QWidget *window)
{
    readyWhen(window, [] { return true; });
}

void ShotStage::writeGeometry(const QWidget &window) const
{
    // Qt places windows in device-independent pixels; the screen grab counts device pixels.
    const qreal scale = window.devicePixelRatioF();
    const QRect frame = window.frameGeometry();
    QFile ready(m_readyFile);
    if (ready.open(QIODevice::WriteOnly))
        ready.write(QStringLiteral("%1x%2+%3+%4\n")
                        .arg(qRound(frame.width() * scale))
                        .arg(qRound(frame.height() * scale))
                        .arg(qRound(frame.x() * scale))
                        .arg(qRound(frame.y() * scale))
                        .toLatin1());
}
