#pragma once

#include <tuple>
#include <utility>

namespace v32 {

class DeviceInfoListener;
class GlobalBarListener;
class LinkStateListener;
class LockListener;
class MediaListener;
class NetworkListener;
class PageListener;
class SceneKeyListener;
class ToastListener;

// Who listens to each feature of the device link: at most one listener per feature, none
// at first. The link calls a feature through call(), which does nothing while nobody
// listens, so a screen that does not exist yet simply misses the calls meant for it, and a
// screen that comes later only has to register its listener.
class ListenerRegistry {
public:
    // Null: nobody listens to the feature any more. The listener must stay valid until it is
    // replaced or withdrawn.
    template <typename Listener>
    void listen(Listener* listener) {
        std::get<Listener*>(m_listeners) = listener;
    }

    // Null while nobody listens.
    template <typename Listener>
    Listener* listenerOf() const {
        return std::get<Listener*>(m_listeners);
    }

    // The feature is the listener class the method belongs to.
    template <typename Listener, typename... Parameters, typename... Arguments>
    void call(void (Listener::*method)(Parameters...), Arguments&&... arguments) const {
        if (Listener* listener = listenerOf<Listener>()) {
            (listener->*method)(std::forward<Arguments>(arguments)...);
        }
    }

private:
    std::tuple<PageListener*, LinkStateListener*, ToastListener*, LockListener*, NetworkListener*,
               DeviceInfoListener*, SceneKeyListener*, MediaListener*, GlobalBarListener*>
        m_listeners{};
};

} // namespace v32
