#pragma once

// How the pages taken from a merge's inputs follow each other in the result.
struct MergeLayout
{
    // One page from each input in turn: input 1 page 1, input 2 page 1,
    // input 1 page 2, ...; an input that runs out drops out and the others
    // go on. For a stack of front sides scanned into one file and its back
    // sides into another.
    bool interleave = false;
    // With interleave: the last input's pages are taken from its end (back
    // sides scanned with the stack turned over).
    bool reverseLast = false;
    // Without interleave: a blank page, the size of the input's last page
    // taken, follows every input with an odd number of pages taken, except
    // the last, so that every input starts on a front side when printed on
    // both sides.
    bool blankAfterOdd = false;

    bool operator==(const MergeLayout &other) const
    {
        return interleave == other.interleave && reverseLast == other.reverseLast
               && blankAfterOdd == other.blankAfterOdd;
    }
};
