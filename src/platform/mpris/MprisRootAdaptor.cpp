#include "MprisRootAdaptor.h"

#include "MprisTarget.h"

MprisRootAdaptor::MprisRootAdaptor(QObject *holder, MprisTarget &target)
    : QDBusAbstractAdaptor(holder), m_target(target)
{
}

void MprisRootAdaptor::Raise() { m_target.later(&MprisTarget::raise); }

void MprisRootAdaptor::Quit() { m_target.later(&MprisTarget::quit); }

#include "moc_MprisRootAdaptor.cpp"
