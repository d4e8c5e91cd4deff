#pragma once

// The kinds of choice lists the main window keeps a shared copy of (`RefreshChoiceLists`), named
// here so that any feature that changes one of the lists can ask for a refresh.
struct ChoiceKind {
    enum Kind { Categories = 1, Tastes = 2, Ingredients = 3, Decorations = 4 };
};
