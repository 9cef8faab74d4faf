#pragma once

#include "action.h"

#include <QJsonObject>

class MainWindow;
class QWidget;
class RecordedMessageBox;

// What a user's actions reach in the window, for the render tool, lessons and tests alike.

// Visible as a user would see it: the control and all its containers are visible.
bool seen(const QWidget &widget, const QWidget &window);
// Performs one action through the handler a user's click reaches; returns a message naming the
// action's word when a user could not do it.
QString perform(MainWindow &window, const RenderAction &action);
// The window's state: topic, zoom, caption, menus, controls, messages shown and the timer.
QJsonObject state_of(MainWindow &window, const RecordedMessageBox &messages);
