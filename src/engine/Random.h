#pragma once

// The program's one source of chance. random(n) gives a whole number from 0 to n - 1 with equal
// chances, and 0 when n is 0 or less. reseed() starts the sequence anew from the clock, where the
// program does so; a source made reproducible ignores it.
class Random {
public:
    virtual ~Random() = default;
    virtual int random(int n) = 0;
    virtual void reseed() = 0;
};
