// The turns of the server's writers: one at a time, every one served.

#include "appserver/WriteTurns.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

using namespace ger;

TEST(WriteTurnsTest, WritersComeOneAtATimeAndEveryOneIsServed) {
    WriteTurns turns;
    std::atomic<int> inside{0};
    std::atomic<int> overlaps{0};
    int total = 0; // guarded by the turns alone
    std::vector<std::thread> writers;
    for (int w = 0; w < 8; ++w)
        writers.emplace_back([&] {
            for (int i = 0; i < 2000; ++i) {
                WriteTurns::Turn turn(turns);
                if (inside.fetch_add(1) != 0)
                    overlaps.fetch_add(1);
                ++total;
                inside.fetch_sub(1);
            }
        });
    for (std::thread& writer : writers)
        writer.join();
    EXPECT_EQ(overlaps.load(), 0);
    EXPECT_EQ(total, 8 * 2000);
}
