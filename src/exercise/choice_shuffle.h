// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shuffling of a beginner's choice list: the right sentence (item 0 as
// read) never stays first. The random source is handed in, so a test can
// tell the draws in advance.

#include <QStringList>

#include <memory>
#include <random>

namespace quorvia {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Called once before the lists of a problem are shuffled.
    virtual void reseed() = 0;
    // Uniform in low..high, both included.
    virtual int between(int low, int high) = 0;
};

// Seeded from the clock at every reseed.
class ClockRandomSource : public RandomSource {
public:
    void reseed() override;
    int between(int low, int high) override;

private:
    std::mt19937 engine_{std::random_device{}()};
};

std::unique_ptr<RandomSource> makeClockRandomSource();

// Draws r from 1..4 (fewer when the list is shorter) and swaps items 0 and r:
// the right sentence goes to position r and the former item r to the top.
// Returns r, the right sentence's new position; 0 for a list of one item.
int shuffleChoiceList(QStringList& items, RandomSource& random);

// The variant (1..5 as read) that stands at `position` of a list that
// shuffleChoiceList put the right sentence at `rightPosition` of; 0 for no
// position.
int variantAtPosition(int position, int rightPosition);

}  // namespace quorvia
