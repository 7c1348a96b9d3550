#pragma once
// The solver's commands in the main window: Game > Hint (key H) with its toolbar buttons,
// Game > "Can this deal be won?", the check item that has the answer told after every move
// (the preference "Winnable_Status", off unless set) and the check item "Winnable deals only"
// (the preference "Winnable_Deals", off unless set).
#include "records/ini_file.h"

namespace tablamor::ui {

class HintController;
class MainWindow;
class WinnableDeals;

void AddSolverCommands(MainWindow& window, HintController& hints, WinnableDeals& deals,
                       IniFile& preferences);

} // namespace tablamor::ui
