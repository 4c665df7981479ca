#include <gtest/gtest.h>

#include "ConsoleProgressBar.h"

TEST(ConsoleProgressBarTest, RedrawsInPlaceOnlyWhenTheTextChanges)
{
    QString text;
    QTextStream out(&text);
    ConsoleProgressBar bar(out, QStringLiteral("Encoding"), 10);
    bar.finish(); // nothing drawn: no line to end
    EXPECT_TRUE(text.isEmpty());

    bar.update(0, 1000);
    bar.update(1, 2000000); // still 0.0 %
    bar.update(455, 1000);
    bar.update(5000, 1000); // clamped
    bar.update(0, 0);       // nothing to do is done
    bar.finish();
    EXPECT_EQ(text, QStringLiteral("\rEncoding [----------]   0.0 %"
                                   "\rEncoding [####------]  45.5 %"
                                   "\rEncoding [##########] 100.0 %\n"));
}
