#pragma once

#include "common/ListEntry.h"

#include <QList>
#include <QString>

// What only the main window can do for the feature windows, without their knowing it: run another
// command, open the ingredient information, apply the options and give
// way with the photo. The list of drinks and the shown recipe are `ShownRecipes`.
class MainWindowPort {
public:
    virtual ~MainWindowPort() = default;

    // Runs a command of the command table by name, as the menu would.
    virtual void RunCommand(const QString& command) = 0;
    // Opens the information on one ingredient (by its number), over the dialog that asks.
    virtual void ShowIngredientInfo(int number) = 0;
    // Opens the information on several ingredients (text and number each), listed in this order.
    virtual void ShowIngredientList(const QList<ListEntry>& ingredients) = 0;
    // On while a dialog with pictures of its own is open: on a display below 16-bit colour the recipe
    // photo gives way to the neutral picture, so that the dialog's pictures keep their colours.
    virtual void NeutralPhoto(bool on) = 0;
    // Takes the options record as it now stands: background, toolbar set, text font and wrapping,
    // short help, photos; with a new motif also the main window's skin.
    virtual void ApplyOptions(bool motifChanged) = 0;
};
