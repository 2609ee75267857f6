#include "app/model/SceneOperation.h"

namespace v32 {

void SceneOperation::start(int scene) {
    m_scene = scene;
    m_triesLeft = kTries;
    m_wait = 0;
}

void SceneOperation::clear() {
    m_scene = 0;
    m_triesLeft = 0;
    m_wait = 0;
}

int SceneOperation::advance() {
    if (!isPending()) {
        return 0;
    }
    if (m_wait != 0) {
        --m_wait;
        return 0;
    }
    const int scene = m_scene;
    m_wait = kRunsBetweenTries;
    if (--m_triesLeft <= 0) {
        clear();
    }
    return scene;
}

} // namespace v32
