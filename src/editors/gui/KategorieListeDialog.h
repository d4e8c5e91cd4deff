#pragma once

#include "editors/gui/ClassificationListDialog.h"

// "Kategorien": the category list.
class KategorieListeDialog : public ClassificationListDialog {
public:
    using ClassificationListDialog::ClassificationListDialog;
};
