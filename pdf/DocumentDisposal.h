#pragma once

#include <memory>

// Where parsed and merged documents go when their owner is done with them.
// A process that ends right after its one job (pdfworker) keeps them until
// it exits: a parsed manual is millions of small allocations, freeing them
// one by one costs about a quarter of a merge, and the system takes the
// whole address space back at once. Everywhere else (the program, the tests)
// they are freed at once, as before. Thread-safe.
class DocumentDisposal
{
public:
    // From now on, disposed objects live until the process exits.
    static void keepUntilExit();
    static bool keepsUntilExit();

    // Drops the caller's reference: frees object now, or keeps it until
    // exit when keepUntilExit() was called.
    static void dispose(std::shared_ptr<void> object);

    // Objects kept so far (for tests).
    static int keptCount();
};
