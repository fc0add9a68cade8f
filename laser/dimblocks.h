// SPDX-License-Identifier: LGPL-2.1-or-later
// DimBlocks: the runs of a frame's rows where a dim spot may lie.
#pragma once

// Places where some pixel of a frame rose out of the noise, perhaps not to the marking level:
// runs of Size pixels of a row, by the index of their first pixel. A dim spot may lie there.
// Holds Capacity runs; more is no calm scene, where a dim spot could be told from the rest.
struct DimBlocks
{
    static constexpr int Size = 16;
    static constexpr int Capacity = 128;
    // Runs are added where a pixel rose by riseLevel or more.
    void Clear(int riseLevel)
    {
        count = 0;
        level = riseLevel;
    }
    // Runs added next lie in the row starting at pixel index start.
    DimBlocks &Row(int start)
    {
        rowStart = start;
        return *this;
    }
    void Add(int x)
    {
        const int start = rowStart + x;
        if (count > Capacity || (count > 0 && starts[count - 1] == start))
            return;
        if (count < Capacity)
            starts[count] = start;
        ++count;
    }
    bool Overflowed() const { return count > Capacity; }

    int starts[Capacity];
    int count = 0;
    int rowStart = 0;
    int level = 1;
};
