import QtQuick 1.1
import "components"
import "logic.js" as Logic

// A heating circuit drawn the QtQuick 1 way; the test scene for the view.
Rectangle {
    id: root
    width: 400
    height: 300
    color: "#f4f6f8"

    property int level: 0
    property real temperature: 0.0
    property bool pumpOn: false
    property string label: ""
    property color accent: "steelblue"
    property variant anything: 0
    property int clicks: 0
    property string lastState: ""
    property int keys: 0

    focus: true
    Keys.onPressed: keys = keys + 1

    signal itemClicked(string name)

    function describe() { return Logic.describe(temperature, pumpOn) }

    gradient: Gradient {
        GradientStop { position: 0.0; color: "#ffffff" }
        GradientStop { position: 1.0; color: "#dde3ea" }
    }

    Text { id: caption; objectName: "caption"; x: 10; y: 8; text: root.label + " " + root.describe(); font.pixelSize: 14 }

    Image { id: flame; objectName: "flame"; x: 330; y: 10; source: "images/flame.svg"; width: 48; height: 48 }

    BorderImage { objectName: "frame"; x: 320; y: 70; width: 64; height: 40; source: "images/frame.svg"
        border { left: 4; top: 4; right: 4; bottom: 4 } }

    Pump { id: pump; objectName: "pump"; x: 20; y: 40; running: root.pumpOn
        onClicked: { root.clicks = root.clicks + 1; root.itemClicked("pompa") } }

    Valve { id: valve; objectName: "valve"; x: 140; y: 40; opening: root.level }

    Row {
        objectName: "row"; x: 10; y: 150; spacing: 4
        Repeater { model: 3; Rectangle { width: 20; height: 20; radius: 4; border.width: 1; border.color: "black"; color: root.accent } }
    }
    Column { objectName: "column"; x: 100; y: 150; spacing: 2
        Rectangle { width: 10; height: 10 } Rectangle { width: 10; height: 10 } }
    Grid { objectName: "grid"; x: 140; y: 150; columns: 2
        Repeater { model: 4; Rectangle { width: 8; height: 8; color: "gray" } } }
    Flow { objectName: "flow"; x: 180; y: 150; width: 40
        Repeater { model: 5; Text { text: index } } }

    ListModel { id: sensors
        ListElement { name: "T1"; value: 21 }
        ListElement { name: "T2"; value: 45 }
    }
    ListView { objectName: "list"; x: 240; y: 150; width: 100; height: 60; model: sensors
        delegate: Text { text: name + "=" + value } }

    Timer { id: ticker; objectName: "ticker"; interval: 10; repeat: true; running: true
        property int ticks: 0
        onTriggered: ticks = ticks + 1 }

    Rectangle { id: lamp; objectName: "lamp"; x: 20; y: 230; width: 30; height: 30; radius: 15; color: "gray"
        Behavior on opacity { NumberAnimation { duration: 50 } }
        states: [ State { name: "on"; when: root.pumpOn
                    PropertyChanges { target: lamp; color: "green" } } ]
        transitions: Transition { ColorAnimation { duration: 20 } }
        onStateChanged: root.lastState = state
    }

    MouseArea { objectName: "valveArea"; x: 140; y: 40; width: 60; height: 60
        onClicked: root.itemClicked("zawor") }
}
