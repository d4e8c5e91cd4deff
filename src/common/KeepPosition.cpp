#include "common/KeepPosition.h"

#include "store/TApollo.h"

KeepPosition::KeepPosition(TApollo& table) : m_table(table), m_recNo(table.RecNo()), m_eof(table.Eof()) {}

KeepPosition::~KeepPosition() {
    try {
        if (m_eof) {
            m_table.GoBottom();
            m_table.Skip();
        } else {
            m_table.Go(m_recNo);
        }
    } catch (...) {
        // The caller's own error is the one reported.
    }
}
