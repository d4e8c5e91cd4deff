#pragma once

#include <QString>
#include <QStringList>

// How the chosen drinks are printed: the settings of the print dialog's second page, starting with
// the dialog's defaults. They persist for the whole run.
struct PrintSettings {
    enum class Layout { RecipeCard, DrinkList };
    enum class Separator { None, Line, Diamonds, Star, Helm, Ornament };
    enum class Alignment { Centred, Left, Right };
    enum class Ingredients { None, FirstThree, FirstFive };
    enum class Paper { A4, A5 };
    enum class Orientation { Portrait, Landscape };

    static constexpr int kHeaderLength = 80;

    Layout layout = Layout::RecipeCard;
    // Drink list layout.
    QString header = QStringLiteral("Velta Cocktails 98");
    Separator separator = Separator::None;
    Alignment alignment = Alignment::Centred;
    Ingredients ingredients = Ingredients::FirstFive;
    bool remarks = false;
    bool numbered = true;
    // The bar card in one to three columns, like a menu.
    static constexpr int kMaxColumns = 3;
    int columns = 1;
    // The bar card grouped by category, each group under its category's name, like a menu.
    bool sections = false;
    // The user's stars after each drink's name on the bar card ("****").
    bool stars = false;
    // Only the drinks mixable from this home bar (1..3) with at most `mixablePurchases` missing
    // ingredients; 0 keeps every chosen drink. Off by default.
    int mixableBar = 0;
    int mixablePurchases = 0;
    // Recipe card layout.
    bool fullWidth = true;
    bool instructions = true;
    bool picture = true;
    bool info = true;
    // Several cards a sheet of A4: four DIN A6 cards, or two index cards (DIN A6 across).
    enum class Sheet { OneCard, FourA6, IndexCards };
    Sheet sheet = Sheet::OneCard;
    static QStringList sheetNames();
    // Both layouts.
    Paper paper = Paper::A4;
    Orientation orientation = Orientation::Portrait;

    bool listLayout() const { return layout == Layout::DrinkList; }
    // Whether the memo of the print table is filled: the remark of the list, the card's instructions.
    bool writesMemo() const { return listLayout() ? remarks : instructions; }
    // The list layout without ingredients skips them, and the total with them.
    // The list keeps only mixable drinks; the recipe card ignores the choice.
    bool keepsOnlyMixable() const { return listLayout() && mixableBar > 0; }
    bool writesIngredients() const { return !(listLayout() && ingredients == Ingredients::None); }

    // The entries of the dialog's choice boxes, in the order of the enumerations.
    static QStringList separatorNames();
    static QStringList alignmentNames();
    static QStringList ingredientNames();
    static QStringList paperNames();
    static QStringList orientationNames();
    static QStringList purchaseNames(); // "ohne Zukauf", "1 Zukauf", "2 Zukäufe", "3 Zukäufe"
};
