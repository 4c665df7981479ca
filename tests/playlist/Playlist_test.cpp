#include <gtest/gtest.h>

#include <QSignalSpy>

#include "DisplayName.h"
#include "Playlist.h"

TEST(DisplayName, StripsFolderAndLastExtension)
{
    EXPECT_EQ(DisplayName::of(QStringLiteral("/music/my.song.mp3")), QStringLiteral("my.song"));
    EXPECT_EQ(DisplayName::of(QStringLiteral("plain.mp3")), QStringLiteral("plain"));
    EXPECT_EQ(DisplayName::of(QStringLiteral("/music/README")), QString());
    EXPECT_EQ(DisplayName::of(QStringLiteral("/music.d/README")), QString());
    EXPECT_EQ(DisplayName::GetFileName(QStringLiteral("/a/b/c.mp3")), QStringLiteral("c.mp3"));
}

TEST(Playlist, ListsStayAlignedThroughEveryChange)
{
    Playlist list;
    QSignalSpy appended(&list, &Playlist::entriesAppended);
    list.append(QStringLiteral("/m/one.mp3"));
    list.appendAll(
        {QStringLiteral("/m/two.mp3"), QStringLiteral("/m/one.mp3"), QStringLiteral("/m/x")});
    ASSERT_EQ(list.count(), 4);
    EXPECT_EQ(list.names(), (QStringList{QStringLiteral("one"), QStringLiteral("two"),
                                         QStringLiteral("one"), QString()}));
    EXPECT_EQ(appended.at(1).at(0).toInt(), 1);

    list.setSelectedIndex(2);
    list.append(QStringLiteral("/m/five.mp3"));
    EXPECT_EQ(list.selectedIndex(), 2); // adding keeps the selection
    EXPECT_EQ(list.selectedPath(), QStringLiteral("/m/one.mp3"));

    list.setSelectedIndex(3);
    EXPECT_FALSE(list.hasPlayableSelection()); // an empty display name cannot be played

    list.removeAt(1);
    EXPECT_EQ(list.paths().size(), list.names().size());
    EXPECT_EQ(list.selectedIndex(), -1);
    EXPECT_EQ(list.name(1), QStringLiteral("one"));

    list.setSelectedIndex(99);
    EXPECT_EQ(list.selectedIndex(), -1);
    list.clear();
    EXPECT_TRUE(list.isEmpty());
    EXPECT_TRUE(list.names().isEmpty());
}
