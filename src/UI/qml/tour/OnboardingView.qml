import QtQuick
import QtQuick.Controls
import ".."

// The tour: the page of the current step, sliding in from the side it comes from,
// the footer with progress dots and buttons, and the confetti over everything.
Rectangle {
    id: root
    width: 720
    height: 540
    color: TourStyle.window

    readonly property var pages: [welcomePage, permissionPage, hotkeyPage, practicePage, tipsPage, donePage]

    Component { id: welcomePage; WelcomeStep {} }
    Component { id: permissionPage; PermissionStep {} }
    Component { id: hotkeyPage; HotkeyStep {} }
    Component { id: practicePage; PracticeStep {} }
    Component { id: tipsPage; TipsStep {} }
    Component { id: donePage; DoneStep {} }

    // The page area: a page exists only while its step is current.
    Item {
        id: pageArea
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: footer.top }
        clip: true

        property Item current: null

        function showStep(animated) {
            const offset = tour.movingForward ? 40 : -40
            const old = current
            const slot = pageSlot.createObject(pageArea, { offset: animated ? offset : 0, shown: animated ? 0 : 1 })
            root.pages[tour.step].createObject(slot, { width: pageArea.width, height: pageArea.height })
            current = slot
            slot.offset = 0
            slot.shown = 1
            if (old) {
                old.leaving = true
                old.offset = -offset
                old.shown = 0
            }
        }

        Component.onCompleted: showStep(false)
        Connections {
            target: tour
            function onStepChanged() { pageArea.showStep(true) }
        }
    }

    Component {
        id: pageSlot
        Item {
            id: slot
            property real offset: 0
            property real shown: 1
            property bool leaving: false
            width: pageArea.width
            height: pageArea.height
            opacity: Math.max(0, Math.min(1, shown))
            enabled: !leaving
            transform: Translate { x: slot.offset }
            Behavior on offset { Spring { response: 0.45; dampingFraction: 0.86 } }
            Behavior on shown { Spring { response: 0.45; dampingFraction: 0.86 } }
            // A leaving page is gone once it has faded out.
            onShownChanged: if (leaving && shown <= 0.01) destroy()
            Timer { running: slot.leaving; interval: 1500; onTriggered: slot.destroy() }
        }
    }

    // The footer: progress, then Skip, Back and the forward button.
    Rectangle {
        id: footer
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: 72
        color: Qt.darker(TourStyle.window, 1.03)
        Rectangle { width: parent.width; height: 1; color: TourStyle.alpha(TourStyle.primary, 0.12) }

        Row {
            id: dots
            anchors.left: parent.left
            anchors.leftMargin: 24
            anchors.verticalCenter: parent.verticalCenter
            spacing: 7
            Repeater {
                model: 6
                Rectangle {
                    required property int index
                    height: 7
                    radius: 3.5
                    width: index === tour.step ? 22 : 7
                    color: index === tour.step ? TourStyle.accent
                         : index < tour.step ? TourStyle.alpha(TourStyle.accent, 0.45)
                         : TourStyle.alpha(TourStyle.primary, 0.16)
                    Behavior on width { Spring { response: 0.35; dampingFraction: 0.75 } }
                    Behavior on color { ColorAnimation { duration: 250 } }
                }
            }
        }

        Row {
            anchors.right: parent.right
            anchors.rightMargin: 24
            anchors.verticalCenter: parent.verticalCenter
            spacing: 10
            OnboardingButton {
                objectName: "skipButton"
                visible: tour.step !== 0 && tour.step !== 5
                anchors.verticalCenter: parent.verticalCenter
                kind: "plain"
                text: "Пропустити"
                onClicked: tour.skip()
            }
            OnboardingButton {
                objectName: "backButton"
                visible: tour.step !== 0
                anchors.verticalCenter: parent.verticalCenter
                kind: "secondary"
                text: "Назад"
                onClicked: tour.back()
            }
            OnboardingButton {
                id: forward
                objectName: "nextButton"
                anchors.verticalCenter: parent.verticalCenter
                kind: "primary"
                large: tour.step === 0 || tour.step === 5
                glowing: tour.currentStepAccomplished
                text: tour.step === 0 ? "Почати" : tour.step === 5 ? "Почати користуватися" : "Далі"
                onClicked: tour.next()
            }
        }
    }

    // Return presses the forward button, except where the page itself is about keys
    // (the shortcut and practice pages).
    Shortcut {
        sequences: ["Return", "Enter"]
        enabled: tour.step !== 2 && tour.step !== 3
        onActivated: forward.clicked()
    }

    Confetti {
        anchors.fill: parent
        trigger: tour.confettiTrigger
    }
}
