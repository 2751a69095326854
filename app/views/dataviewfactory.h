#pragma once

#include <functional>

class AbstractDataView;

// Which view the scan-result page shows for a category, and the tool bar
// page that goes with it (CToolBar::setBarType). One row per category id in
// dataviewfactory.cpp; a view built outside this folder (the chat views)
// adds its row with registerView at start-up. An id without a row has no
// view: its navigation row still counts and ticks.
class DataViewFactory
{
public:
    using Creator = std::function<AbstractDataView *(int typeId)>;

    struct Row
    {
        int id;
        int barType;
        Creator create;
    };

    // Null for an id without a view.
    static const Row *find(int id);
    // A new view without a parent, or null.
    static AbstractDataView *create(int id);
    // A later row of the same id replaces the earlier one; a null creator
    // removes the id's row.
    static void registerView(int id, int barType, Creator create);
};
