#include "DriveListBox.h"

#include "DriveIcons.h"

namespace {
bool holds(const QString &mountPoint, const QString &path)
{
    return mountPoint == QLatin1String("/") || path == mountPoint ||
           path.startsWith(mountPoint + QLatin1Char('/'));
}
} // namespace

DriveListBox::DriveListBox(QWidget *parent, MountTable mounts) : QComboBox(parent)
{
    for (const MountedVolume &volume : mounts.volumes())
        addItem(DriveIcons::icon(MountTable::imageKey(volume.type)), MountTable::nodeText(volume),
                volume.mountPoint);
    connect(this, &QComboBox::currentIndexChanged, this, &DriveListBox::Change);
}

QString DriveListBox::Drive() const
{
    const QString mountPoint = currentData().toString();
    return mountPoint.isEmpty() ? QStringLiteral("/") : mountPoint;
}

void DriveListBox::setDrive(const QString &path)
{
    int best = -1;
    for (int i = 0; i < count(); ++i) {
        const QString mountPoint = itemData(i).toString();
        if (holds(mountPoint, path) &&
            (best < 0 || mountPoint.size() > itemData(best).toString().size()))
            best = i;
    }
    if (best >= 0)
        setCurrentIndex(best);
}

#include "moc_DriveListBox.cpp"
