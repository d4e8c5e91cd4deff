#include "store/BulkWrite.h"

#include "store/StoreError.h"
#include "store/TApollo.h"
#include "store/TTable.h"

BulkWrite::BulkWrite(TApollo& table) : m_table(&table.table()) {
    m_table->beginBulk();
}

BulkWrite::~BulkWrite() {
    if (!m_table)
        return;
    try {
        m_table->endBulk();
    } catch (const StoreError&) {
        // Left pending: the next Commit or the closing of the table writes it.
    }
}

void BulkWrite::finish() {
    TTable* table = m_table;
    m_table = nullptr; // ended, whether the write succeeds or not
    table->endBulk();
}
