#pragma once

// GoogleTest's Notification for the program's compiler: its win32 thread model has no
// std::mutex, on which GoogleTest builds this one class. GoogleTest takes a class of
// this name when GTEST_HAS_NOTIFICATION_ is set; this one rests on a Windows event.
// Force-included ahead of GoogleTest's headers, so it includes no Windows header.
namespace testing {
namespace internal {

class Notification {
public:
    Notification();
    ~Notification();
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify();
    void WaitForNotification();

private:
    void* m_event;
};

}  // namespace internal
}  // namespace testing
