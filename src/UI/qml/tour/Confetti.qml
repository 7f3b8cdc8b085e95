import QtQuick

// A burst of 140 confetti at every change of `trigger`: they fly up from just below
// the middle, fall, spin and fade out over 1.9 s.
Canvas {
    id: confetti
    property int trigger: 0
    property var pieces: []
    property real start: -1   // ms since the epoch of the burst; −1: idle

    enabled: false   // takes no mouse input

    property int shownTrigger: -1
    Component.onCompleted: shownTrigger = trigger
    onTriggerChanged: {
        if (shownTrigger < 0)
            return
        shownTrigger = trigger
        launch()
    }

    function uniform(a, b) { return a + Math.random() * (b - a) }

    function launch() {
        const colors = TourStyle.confetti
        const list = []
        for (let i = 0; i < 140; ++i) {
            list.push({
                x: uniform(-60, 60), vx: uniform(-330, 330), vy: uniform(-620, -300),
                size: uniform(3, 7), spin: uniform(-9, 9),
                color: colors[Math.floor(Math.random() * colors.length) % colors.length]
            })
        }
        pieces = list
        start = Date.now()
        clear.restart()
        frames.start()
    }

    // The clock of the latest burst is cleared 2 s after it started.
    Timer { id: clear; interval: 2000; onTriggered: { confetti.start = -1; frames.stop(); confetti.requestPaint() } }
    Timer { id: frames; interval: 16; repeat: true; onTriggered: confetti.requestPaint() }

    onPaint: {
        const ctx = getContext("2d")
        ctx.reset()
        if (start < 0 || pieces.length === 0)
            return
        const t = (Date.now() - start) / 1000
        if (t >= 1.9)
            return
        ctx.globalAlpha = Math.max(0, 1 - t / 1.9)
        for (const p of pieces) {
            ctx.save()
            ctx.translate(width * 0.5 + p.x + p.vx * t, height * 0.58 + p.vy * t + 520 * t * t)
            ctx.rotate(p.spin * t)
            ctx.fillStyle = p.color
            ctx.fillRect(-p.size, -p.size * 0.5, 2 * p.size, p.size)
            ctx.restore()
        }
    }
}
