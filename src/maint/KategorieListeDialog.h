#pragma once

#include "maint/ClassificationListDialog.h"

// "Kategorien": the category list.
class KategorieListeDialog : public ClassificationListDialog {
public:
    using ClassificationListDialog::ClassificationListDialog;
};
