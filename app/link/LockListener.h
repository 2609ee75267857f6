#pragma once

namespace v32 {

// The lock page, the password dialog and the factory reset, which follow the device's lock
// state and the results of its lock, password and reset commands.
class LockListener {
public:
    virtual ~LockListener() = default;

    // The lock page opens in unlock mode.
    virtual void openLockPage() = 0;
    virtual void closeLockPage() = 0;
    virtual void closePasswordDialog() = 0;
    virtual void finishFactoryReset() = 0;
};

} // namespace v32
