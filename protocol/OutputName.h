#pragma once

#include <QString>

// Output file names made of text that a document or a request supplies
// (bookmark titles, names of ranges): such text may hold anything, and must
// never place a file outside the output folder, hide it or fail to write.
class OutputName
{
public:
    // Longest name in characters, and in bytes once encoded for the file
    // system: with a "(n)" prefix and ".pdf" a name stays below the 255
    // bytes most file systems allow per name.
    static constexpr int maxLength = 120;
    static constexpr int maxBytes = 200;

    // text as a file name without extension: path separators become "_",
    // control characters and line breaks spaces, format characters (Unicode
    // category Cf: direction overrides, zero-width joiners, tags) are dropped, runs of white space one
    // space; trimmed, without leading dots, cut to maxLength characters
    // (and maxBytes bytes) at a character boundary. Empty when nothing is
    // left.
    static QString makeSafe(const QString &text);

    // stem (the name of the source without its extension) cut to maxBytes
    // bytes at a character boundary, so that with an output's suffix
    // ("_p12-14.pdf", "_edited_<time>.pdf") and a "(n)" prefix it still
    // makes a name the file system takes: a source whose own name is near
    // the limit would otherwise give no output at all. Shorter stems are
    // kept whole.
    static QString fittingStem(const QString &stem);

    // "NN title": number zero-padded to two digits, or as many as count
    // needs, then the title made safe; fallback (made safe) stands in for a
    // title that is empty once made safe.
    static QString numbered(int number, int count, const QString &title, const QString &fallback);
};
