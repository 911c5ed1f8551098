import QtQuick 1.0

Rectangle {
    width: 100
    Text { text: "no end"
