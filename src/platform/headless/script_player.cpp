#include "platform/headless/script_player.h"

namespace platform {

ScriptPlayer::ScriptPlayer(const std::vector<ScriptEvent>& events) {
    for (std::size_t i = 0; i < events.size(); ++i)
        push(events[i].frame, static_cast<std::int64_t>(i), events[i]);
}

void ScriptPlayer::push(std::int64_t frame, std::int64_t order, const ScriptEvent& event) {
    queue.push({frame, order, nextSequence++, event});
}

void ScriptPlayer::deliverDue(std::int64_t frame, const std::function<void(const ScriptEvent&)>& deliver) {
    while (!queue.empty() && queue.top().frame <= frame) {
        const Pending due = queue.top();
        queue.pop();
        // Handed out as this one occurrence, at its own frame.
        ScriptEvent occurrence = due.event;
        occurrence.frame = due.frame;
        occurrence.period = 0;
        if (due.event.kind == ScriptEvent::Kind::Click) {
            ScriptEvent step = occurrence;
            step.kind = ScriptEvent::Kind::Move;
            deliver(step);
            step.kind = ScriptEvent::Kind::Press;
            step.button = MouseButton::Left;
            deliver(step);
            // Queued before the click's next repeat, so a release always precedes the next press.
            step.kind = ScriptEvent::Kind::Release;
            push(due.frame + 1, due.order, step);
        } else {
            deliver(occurrence);
        }
        if (due.event.period > 0) push(due.frame + due.event.period, due.order, due.event);
    }
}

}  // namespace platform
