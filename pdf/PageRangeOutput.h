#pragma once

#include <QString>

#include <functional>

// One output file of a split: the pages it holds and its name.
struct PageRangeOutput
{
    // A range list: "7", "3-6", "1,3,5", "6-3" for descending order.
    QString pages;
    // File name in the output folder; empty: "<source base name>_p<pages>.pdf".
    QString fileName;

    // What became of one output, reported in order once its file is on the
    // disk (outputs are synced a batch at a time).
    struct Result
    {
        int index = -1;     // position in the list of outputs
        QString path;       // the file written; empty when none was
        int errorCode = 0;  // a PdfErrorCode; 0 when written
    };
    // Called after each output; answering false stops before the next one.
    using Report = std::function<bool(const Result &)>;
};
