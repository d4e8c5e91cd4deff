#pragma once

class TApollo;
class TTable;

// Many records written as one pass (mark all, clear all, recalculations, imports). While it lives,
// Commit leaves the changed records pending in memory instead of forcing both files to disk for
// each; finish() writes them all and forces the files to disk once, in the same order as a single
// Commit (texts, then records, then the header that counts them), so an interruption at any
// point still leaves tables that open. Passes may nest; the outermost one writes.
class BulkWrite {
public:
    explicit BulkWrite(TApollo& table);
    // Ends the pass; when finish() was not reached (an error left the pass early) it still writes
    // what is pending, and a failure there stays pending for the next Commit.
    ~BulkWrite();
    BulkWrite(const BulkWrite&) = delete;
    BulkWrite& operator=(const BulkWrite&) = delete;

    // Writes everything pending; throws StoreError.
    void finish();

private:
    TTable* m_table;
};
