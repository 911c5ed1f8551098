import QtQuick 1.1

Rectangle {
    id: root
    width: 300
    height: 200
    property real tKotla: 0
    property bool pompa: false
    property int nastawa: 0
    property string brak: "?"
    property variant staleVars: []
    property bool nastawaStale: staleVars.indexOf("nastawa") >= 0
    signal itemClicked(string name)

    Text { text: root.tKotla + " °C" }
    MouseArea { anchors.fill: parent; onClicked: root.itemClicked("nastawy") }
}
