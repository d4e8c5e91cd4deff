#pragma once

#include "common/KeyboardSearch.h"

#include <QListView>

class QComboBox;

// The drop-down list of a choice box whose letters typed search folded, as every list of the
// program does ("kummel" selects "Kümmel").
class FoldedComboView : public QListView {
    Q_OBJECT
public:
    using QListView::QListView;

    // Gives the box this view; the box keeps its model.
    static void install(QComboBox* box);

    void keyboardSearch(const QString& search) override;

private:
    KeyboardSearch m_search;
};
