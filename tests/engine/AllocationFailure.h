#pragma once
// Makes operator new of this test program fail for arrays of summary rows
// while a ClFailRowArrays object lives, so tests can see how the collector
// meets an exhausted heap.
class ClFailRowArrays {
public:
    ClFailRowArrays();
    ~ClFailRowArrays();
    ClFailRowArrays(const ClFailRowArrays&) = delete;
    ClFailRowArrays& operator=(const ClFailRowArrays&) = delete;
};
