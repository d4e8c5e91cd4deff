#pragma once

class CommandTable;
class DialogHost;
class TMain;

// The one place that says what each command of the menu, toolbar and pop-up menus does.
class ProgramCommands {
public:
    static void registerAll(CommandTable& table, DialogHost& dialogs, TMain& main);
};
