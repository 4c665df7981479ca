#include "FakeMediaComponent.h"

void FakeMediaComponent::setFileName(const QString &path)
{
    m_fileName = path;
    position = 0.0;
    calls << QStringLiteral("setFileName");
}

void FakeMediaComponent::play() { calls << QStringLiteral("play"); }

void FakeMediaComponent::pause() { calls << QStringLiteral("pause"); }

void FakeMediaComponent::stop()
{
    position = 0.0;
    calls << QStringLiteral("stop");
}
