import QtQuick 1.1

// A straight pipe: red when it carries supply water, blue for the return,
// grey when nothing flows.
Rectangle {
    property bool hot: true
    property bool flowing: true
    property int thickness: 8
    width: thickness
    height: thickness
    radius: 2
    color: !flowing ? "#9aa5b1" : (hot ? "#d64545" : "#3a86d4")
}
