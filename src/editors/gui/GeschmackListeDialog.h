#pragma once

#include "editors/gui/ClassificationListDialog.h"

// "Geschmacksrichtung": the taste list, in list order.
class GeschmackListeDialog : public ClassificationListDialog {
public:
    using ClassificationListDialog::ClassificationListDialog;
};
