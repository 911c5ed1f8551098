import QtQuick 1.1

// A straight pipe: red when it carries supply water, blue for the return,
// grey when nothing flows; faded while what drives it is not read.
Rectangle {
    property bool hot: true
    property bool flowing: true
    property bool stale: false
    opacity: stale ? 0.35 : 1.0
    property int thickness: 8
    width: thickness
    height: thickness
    radius: 2
    color: !flowing ? "#9aa5b1" : (hot ? "#d64545" : "#3a86d4")
}
