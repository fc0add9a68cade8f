// SPDX-License-Identifier: GPL-3.0-or-later
// The userspace device's registry: the configuration, the cameras plugged in, open files, the
// device folder, the state file, and the wait for frames behind poll(). The registry has one
// lock, each camera one of its own; a thread holding a camera's lock never takes the registry's,
// and the registry's holder takes a camera's only where it cannot be avoided and briefly.
#include "fakesystem.h"

#include "fakecamera.h"

#include <linux/videodev2.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <fcntl.h>
#include <sys/eventfd.h>
#include <sys/mman.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>
#include <unordered_map>
#include <vector>

namespace {

// A unplugged camera's queue fails at once; its node goes this much later.
constexpr int64_t UnregisterDelayUs = 30000;
// The configuration file is looked at no more often than this.
constexpr int64_t ConfigCheckUs = 20000;
// A waiting poll() wakes this often to see unplugging and the configuration.
constexpr int64_t WaitSliceUs = 10000;
constexpr int MaxFd = 65536;

int64_t NowUs()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

struct Slot
{
    CameraConfig config;
    const CameraProfile *profile = nullptr;
    std::shared_ptr<CameraHistory> history = std::make_shared<CameraHistory>();
    std::shared_ptr<FakeCamera> camera; // null while unplugged
    int64_t unregisterAtUs = -1;
    int backAfterMs = -1;
    int64_t replugAtUs = -1;
    int plugs = 0;
};

struct Handle
{
    OpenHandle open;
    std::shared_ptr<FakeCamera> camera;
};

struct FolderState
{
    std::vector<std::string> extra;
    size_t next = 0;
    dirent entry{};
};

struct System
{
    std::recursive_mutex mutex;
    bool active = false;
    std::string configPath;
    struct stat configStat {};
    int64_t lastConfigCheckUs = -ConfigCheckUs;
    DeviceConfig config;
    std::vector<Slot> slots;
    std::unordered_map<int, Handle> handles;
    std::map<DIR *, FolderState> folders;
    timespec folderChange{};
    bool stateDirty = true;
    bool stateUrgent = false; // a change a test waits for: written at once
    int64_t lastStateUs = 0;
    std::map<std::string, long> closedIoctls; // counts of cameras gone
};

System &Sys()
{
    static System *s = new System; // never destroyed: the interposed calls go on until the very end
    return *s;
}

std::atomic<unsigned char> g_deviceFd[MaxFd];

// Node number of "/dev/videoN", -1 for other paths.
int NodeOf(const char *path)
{
    if (!path || std::strncmp(path, "/dev/video", 10) != 0)
        return -1;
    const char *digits = path + 10;
    if (!*digits)
        return -1;
    int n = 0;
    for (const char *p = digits; *p; ++p) {
        if (*p < '0' || *p > '9' || n > 100000)
            return -1;
        n = n * 10 + (*p - '0');
    }
    return n;
}

void MarkFolderChanged()
{
    clock_gettime(CLOCK_REALTIME, &Sys().folderChange);
}

void Plug(Slot &slot)
{
    slot.camera = std::make_shared<FakeCamera>(slot.config, *slot.profile, slot.history);
    slot.replugAtUs = -1;
    ++slot.plugs;
    MarkFolderChanged();
    Sys().stateUrgent = true;
}

void StartUnplug(Slot &slot, int backAfterMs, int64_t now)
{
    if (!slot.camera || slot.unregisterAtUs >= 0)
        return;
    {
        std::lock_guard<std::mutex> cameraLock(slot.camera->Mutex());
        slot.camera->FailStream();
    }
    slot.unregisterAtUs = now + UnregisterDelayUs;
    slot.backAfterMs = backAfterMs;
    Sys().stateDirty = true;
}

void ApplyConfig(const DeviceConfig &next, int64_t now)
{
    System &s = Sys();
    std::vector<Slot> slots;
    for (const CameraConfig &c : next.cameras) {
        Slot slot;
        // A camera already known keeps its instance; the new settings apply from its next plug-in.
        for (Slot &old : s.slots)
            if (old.config.node == c.node) {
                slot = std::move(old);
                old.config.node = -1000;
                break;
            }
        const bool failuresChanged = slot.config.failures.size() != c.failures.size()
            || !std::equal(c.failures.begin(), c.failures.end(), slot.config.failures.begin(),
                           [](const FailureStep &a, const FailureStep &b) {
                               return a.kind == b.kind && a.frame == b.frame && a.count == b.count
                                   && a.backAfterMs == b.backAfterMs;
                           });
        std::unique_lock<std::mutex> cameraLock;
        if (slot.camera)
            cameraLock = std::unique_lock<std::mutex>(slot.camera->Mutex());
        if (failuresChanged)
            slot.history->fired.assign(c.failures.size(), false);
        // Another model, picture or pace on the same node is another camera: the old one goes at once.
        const bool sameCamera = slot.config.profile == c.profile && slot.config.card == c.card
            && slot.config.feed.kind == c.feed.kind
            && slot.config.feed.path == c.feed.path && slot.config.feed.loop == c.feed.loop
            && slot.config.paced == c.paced && slot.config.fps == c.fps;
        if (slot.camera && !sameCamera) {
            slot.camera->FailStream();
            slot.camera->Unregister();
            cameraLock.unlock();
            slot.camera.reset();
            slot.unregisterAtUs = -1;
            slot.history = std::make_shared<CameraHistory>();
            MarkFolderChanged();
        }
        const bool wasPresent = slot.camera != nullptr;
        slot.config = c;
        slot.profile = FindCameraProfile(c.profile);
        if (slot.camera)
            slot.camera->SetFailures(c.failures);
        if (cameraLock.owns_lock())
            cameraLock.unlock();
        if (c.present && !wasPresent && slot.unregisterAtUs < 0)
            Plug(slot);
        else if (!c.present && wasPresent)
            StartUnplug(slot, -1, now);
        if (!c.present)
            slot.replugAtUs = -1;
        slots.push_back(std::move(slot));
    }
    // Cameras no longer configured are unplugged for good.
    for (Slot &old : s.slots)
        if (old.config.node != -1000 && old.camera) {
            std::lock_guard<std::mutex> cameraLock(old.camera->Mutex());
            old.camera->FailStream();
            old.camera->Unregister();
            MarkFolderChanged();
        }
    s.slots = std::move(slots);
    s.config = next;
    s.stateDirty = true;
    MarkFolderChanged(); // names and nodes may have changed: the list is read again
}

void CheckConfig(int64_t now)
{
    System &s = Sys();
    if (now - s.lastConfigCheckUs < ConfigCheckUs)
        return;
    s.lastConfigCheckUs = now;
    const char *env = std::getenv("FAKEV4L2_CONFIG");
    const std::string path = env ? env : "";
    if (path.empty()) {
        if (s.active) {
            ApplyConfig(DeviceConfig(), now);
            s.active = false;
        }
        return;
    }
    struct stat st {};
    if (stat(path.c_str(), &st) != 0)
        return;
    if (s.active && path == s.configPath && st.st_ino == s.configStat.st_ino && st.st_size == s.configStat.st_size
        && st.st_mtim.tv_sec == s.configStat.st_mtim.tv_sec && st.st_mtim.tv_nsec == s.configStat.st_mtim.tv_nsec)
        return;
    DeviceConfig next;
    std::string error;
    if (!DeviceConfig::Load(path, next, error)) {
        std::fprintf(stderr, "fakev4l2: %s\n", error.c_str());
        // A file half written by a test is read again at the next look.
        return;
    }
    // Another file is another set of cameras: the old ones go first.
    if (s.active && path != s.configPath)
        ApplyConfig(DeviceConfig(), now);
    s.configPath = path;
    s.configStat = st;
    s.active = true;
    ApplyConfig(next, now);
    s.stateUrgent = true;
}

void WriteState(int64_t now, bool force)
{
    System &s = Sys();
    if (s.config.statePath.empty())
        return;
    // Changes are written within 20 ms, frame counters every 200 ms while a camera is plugged in.
    force = force || s.stateUrgent;
    if (!force && now - s.lastStateUs < (s.stateDirty ? 20000 : 200000))
        return;
    if (!s.stateDirty && !force) {
        bool plugged = false;
        for (const Slot &slot : s.slots)
            plugged = plugged || slot.camera;
        if (!plugged)
            return;
    }
    // A camera busy with a frame is not waited for: the state is written at the next look.
    std::vector<std::unique_lock<std::mutex>> cameraLocks;
    for (const Slot &slot : s.slots)
        if (slot.camera) {
            cameraLocks.emplace_back(slot.camera->Mutex(), std::try_to_lock);
            if (!cameraLocks.back().owns_lock())
                return;
        }
    s.stateDirty = false;
    s.stateUrgent = false;
    s.lastStateUs = now;
    std::string json = "{\"serial\": " + std::to_string(s.config.serial) + ", \"devices\": [";
    for (size_t i = 0; i < s.slots.size(); ++i) {
        const Slot &slot = s.slots[i];
        int opens = 0;
        for (const auto &h : s.handles)
            opens += h.second.camera == slot.camera && slot.camera ? 1 : 0;
        char head[256];
        std::snprintf(head, sizeof head, "%s{\"node\": %d, \"present\": %s, \"plugs\": %d, \"opens\": %d",
                      i ? ", " : "", slot.config.node, slot.camera && !slot.camera->Unregistered() ? "true" : "false",
                      slot.plugs, opens);
        json += head;
        if (slot.camera)
            json += ", " + slot.camera->StateJson();
        json += "}";
    }
    json += "], \"ioctls\": {";
    std::map<std::string, long> counts = s.closedIoctls;
    for (const Slot &slot : s.slots)
        if (slot.camera)
            for (const auto &c : slot.camera->IoctlCounts())
                counts[c.first] += c.second;
    bool first = true;
    for (const auto &c : counts) {
        json += (first ? "\"" : ", \"") + c.first + "\": " + std::to_string(c.second);
        first = false;
    }
    json += "}}\n";
    const std::string temporary = s.config.statePath + ".new";
    if (FILE *f = std::fopen(temporary.c_str(), "w")) {
        const bool ok = std::fwrite(json.data(), 1, json.size(), f) == json.size();
        if (std::fclose(f) == 0 && ok)
            std::rename(temporary.c_str(), s.config.statePath.c_str());
    }
}

// Time-driven work: the configuration, unplugging and replugging, the state file.
void Pump(int64_t now)
{
    System &s = Sys();
    CheckConfig(now);
    for (Slot &slot : s.slots) {
        int back = -1;
        if (slot.camera && slot.camera->TakeUnplugRequest(back))
            StartUnplug(slot, back, now);
        if (slot.unregisterAtUs >= 0 && now >= slot.unregisterAtUs) {
            {
                std::lock_guard<std::mutex> cameraLock(slot.camera->Mutex());
                slot.camera->Unregister();
                for (const auto &c : slot.camera->IoctlCounts())
                    s.closedIoctls[c.first] += c.second;
            }
            slot.camera.reset();
            slot.unregisterAtUs = -1;
            if (slot.backAfterMs >= 0)
                slot.replugAtUs = now + int64_t(slot.backAfterMs) * 1000;
            MarkFolderChanged();
            s.stateUrgent = true;
        }
        if (slot.replugAtUs >= 0 && now >= slot.replugAtUs && slot.config.present)
            Plug(slot);
    }
    WriteState(now, false);
}

Slot *SlotForNode(int node, bool &metadata)
{
    for (Slot &slot : Sys().slots)
        if (node == slot.config.node || node == slot.config.node + 1) {
            metadata = node == slot.config.node + 1;
            return &slot;
        }
    return nullptr;
}

Handle *HandleFor(int fd)
{
    auto it = Sys().handles.find(fd);
    return it == Sys().handles.end() ? nullptr : &it->second;
}

// The camera and open file behind fd, for a call answered under the camera's own lock; false
// with errno EBADF when fd is no open device.
bool TakeHandle(int fd, std::shared_ptr<FakeCamera> &camera, OpenHandle &open)
{
    std::lock_guard<std::recursive_mutex> lock(Sys().mutex);
    Pump(NowUs());
    Handle *h = HandleFor(fd);
    if (!h) {
        errno = EBADF;
        return false;
    }
    camera = h->camera;
    open = h->open;
    return true;
}

} // namespace

extern "C" {

int fv_claims_path(const char *path)
{
    if (NodeOf(path) < 0)
        return 0;
    System &s = Sys();
    std::lock_guard<std::recursive_mutex> lock(s.mutex);
    Pump(NowUs());
    return s.active ? 1 : 0;
}

int fv_open(const char *path, int flags)
{
    System &s = Sys();
    std::lock_guard<std::recursive_mutex> lock(s.mutex);
    const int64_t now = NowUs();
    Pump(now);
    bool metadata = false;
    Slot *slot = SlotForNode(NodeOf(path), metadata);
    if (!slot || !slot->camera || slot->camera->Unregistered()) {
        errno = ENOENT; // hidden real nodes as well as unplugged ones
        return -1;
    }
    if (slot->config.busy) {
        errno = EBUSY;
        return -1;
    }
    const int fd = eventfd(0, EFD_NONBLOCK | ((flags & O_CLOEXEC) ? EFD_CLOEXEC : 0));
    if (fd < 0)
        return -1;
    if (fd >= MaxFd) {
        close(fd);
        errno = EMFILE;
        return -1;
    }
    Handle h;
    h.open.fd = fd;
    h.open.metadata = metadata;
    h.open.nonBlocking = (flags & O_NONBLOCK) != 0;
    h.camera = slot->camera;
    s.handles[fd] = h;
    g_deviceFd[fd] = 1;
    s.stateUrgent = true;
    WriteState(now, false);
    return fd;
}

int fv_is_device_fd(int fd)
{
    return fd >= 0 && fd < MaxFd && g_deviceFd[fd].load(std::memory_order_relaxed);
}

void fv_release(int fd)
{
    if (!fv_is_device_fd(fd))
        return;
    System &s = Sys();
    std::lock_guard<std::recursive_mutex> lock(s.mutex);
    if (Handle *h = HandleFor(fd)) {
        {
            std::lock_guard<std::mutex> cameraLock(h->camera->Mutex());
            h->camera->Release(h->open);
        }
        s.handles.erase(fd);
    }
    g_deviceFd[fd] = 0;
    s.stateUrgent = true;
    WriteState(NowUs(), false);
}

int fv_ioctl(int fd, unsigned long request, void *arg)
{
    System &s = Sys();
    for (;;) {
        std::shared_ptr<FakeCamera> camera;
        OpenHandle open;
        if (!TakeHandle(fd, camera, open))
            return -1;
        int e = 0;
        int64_t now = 0, next = 0;
        {
            std::lock_guard<std::mutex> cameraLock(camera->Mutex());
            now = NowUs();
            e = camera->Ioctl(open, request, arg, now);
            next = camera->NextEventUs();
        }
        {
            std::lock_guard<std::recursive_mutex> lock(s.mutex);
            switch (unsigned(request)) {
            case unsigned(VIDIOC_S_CTRL):
            case unsigned(VIDIOC_S_EXT_CTRLS):
            case unsigned(VIDIOC_S_FMT):
            case unsigned(VIDIOC_S_PARM):
            case unsigned(VIDIOC_REQBUFS):
            case unsigned(VIDIOC_STREAMON):
            case unsigned(VIDIOC_STREAMOFF):
                s.stateUrgent = true;
                break;
            case unsigned(VIDIOC_DQBUF):
            case unsigned(VIDIOC_QBUF):
                break;
            default:
                s.stateDirty = true; // counted ioctls
            }
            WriteState(NowUs(), false);
        }
        if (e == EAGAIN && !open.nonBlocking) {
            // A blocking DQBUF waits for the next frame, holding no lock.
            const int64_t wait = std::clamp<int64_t>(next == INT64_MAX ? WaitSliceUs : next - now, 0, WaitSliceUs);
            std::this_thread::sleep_for(std::chrono::microseconds(wait));
            continue;
        }
        if (e) {
            errno = e;
            return -1;
        }
        return 0;
    }
}

void *fv_mmap(void *address, size_t length, int protection, int flags, int fd, off_t offset)
{
    std::shared_ptr<FakeCamera> camera;
    OpenHandle open;
    if (!TakeHandle(fd, camera, open))
        return MAP_FAILED;
    int err = 0;
    std::lock_guard<std::mutex> cameraLock(camera->Mutex());
    void *p = camera->Map(open, address, length, protection, flags, int64_t(offset), err);
    if (!p) {
        errno = err;
        return MAP_FAILED;
    }
    return p;
}

int fv_holds_device_fd(const struct pollfd *fds, nfds_t count)
{
    for (nfds_t i = 0; i < count; ++i)
        if (fv_is_device_fd(fds[i].fd))
            return 1;
    return 0;
}

int fv_poll(struct pollfd *fds, nfds_t count, int timeoutMs, fv_poll_function realPoll)
{
    System &s = Sys();
    const int64_t start = NowUs();
    const int64_t deadline = timeoutMs < 0 ? INT64_MAX : start + int64_t(timeoutMs) * 1000;
    std::vector<pollfd> others(fds, fds + count);
    for (nfds_t i = 0; i < count; ++i)
        if (fv_is_device_fd(fds[i].fd))
            others[i].fd = -1; // the real poll skips it
    for (;;) {
        int ready = 0;
        int64_t wake = 0;
        std::vector<std::pair<std::shared_ptr<FakeCamera>, OpenHandle>> devices(count);
        {
            std::lock_guard<std::recursive_mutex> lock(s.mutex);
            const int64_t now = NowUs();
            Pump(now);
            wake = now + WaitSliceUs;
            for (nfds_t i = 0; i < count; ++i)
                if (others[i].fd < 0 && fds[i].fd >= 0)
                    if (Handle *h = HandleFor(fds[i].fd))
                        devices[i] = {h->camera, h->open};
        }
        for (nfds_t i = 0; i < count; ++i) {
            if (others[i].fd >= 0 || fds[i].fd < 0)
                continue;
            FakeCamera *camera = devices[i].first.get();
            if (!camera) {
                fds[i].revents = short(POLLNVAL);
                ++ready;
                continue;
            }
            std::lock_guard<std::mutex> cameraLock(camera->Mutex());
            fds[i].revents = camera->Poll(devices[i].second, fds[i].events, NowUs());
            if (fds[i].revents)
                ++ready;
            else
                wake = std::min(wake, camera->NextEventUs());
        }
        // The wait happens without the device lock, on the other descriptors or on nothing.
        const int64_t now = NowUs();
        const int64_t until = std::min(wake, deadline);
        const int waitMs = ready || until <= now ? (ready || now >= deadline ? 0 : 1)
                                                 : int((until - now + 999) / 1000);
        const int r = realPoll(others.data(), count, waitMs);
        if (r < 0)
            return r;
        int total = ready;
        for (nfds_t i = 0; i < count; ++i)
            if (others[i].fd >= 0 || fds[i].fd < 0) {
                fds[i].revents = others[i].revents;
                if (fds[i].revents)
                    ++total;
            }
        if (total > 0 || NowUs() >= deadline)
            return total;
    }
}

int fv_is_device_folder(const char *path)
{
    if (!path || (std::strcmp(path, "/dev") != 0 && std::strcmp(path, "/dev/") != 0))
        return 0;
    System &s = Sys();
    std::lock_guard<std::recursive_mutex> lock(s.mutex);
    Pump(NowUs());
    return s.active ? 1 : 0;
}

void fv_folder_opened(DIR *dir)
{
    System &s = Sys();
    std::lock_guard<std::recursive_mutex> lock(s.mutex);
    FolderState f;
    for (const Slot &slot : s.slots)
        if (slot.camera && !slot.camera->Unregistered()) {
            f.extra.push_back("video" + std::to_string(slot.config.node));
            f.extra.push_back("video" + std::to_string(slot.config.node + 1));
        }
    s.folders[dir] = f;
}

void fv_folder_closed(DIR *dir)
{
    System &s = Sys();
    std::lock_guard<std::recursive_mutex> lock(s.mutex);
    s.folders.erase(dir);
}

int fv_folder_hides(DIR *dir, const char *name)
{
    System &s = Sys();
    std::lock_guard<std::recursive_mutex> lock(s.mutex);
    if (!s.folders.count(dir) || !s.config.hideReal)
        return 0;
    std::string path = std::string("/dev/") + name;
    return NodeOf(path.c_str()) >= 0 ? 1 : 0;
}

struct dirent *fv_folder_next(DIR *dir)
{
    System &s = Sys();
    std::lock_guard<std::recursive_mutex> lock(s.mutex);
    auto it = s.folders.find(dir);
    if (it == s.folders.end() || it->second.next >= it->second.extra.size())
        return nullptr;
    FolderState &f = it->second;
    const std::string &name = f.extra[f.next++];
    std::memset(&f.entry, 0, sizeof f.entry);
    f.entry.d_ino = 0x7f000000u + f.next;
    f.entry.d_type = DT_CHR;
    f.entry.d_reclen = sizeof f.entry;
    std::snprintf(f.entry.d_name, sizeof f.entry.d_name, "%s", name.c_str());
    return &f.entry;
}

int fv_stat_node(const char *path, struct stat *st)
{
    System &s = Sys();
    std::lock_guard<std::recursive_mutex> lock(s.mutex);
    bool metadata = false;
    const int node = NodeOf(path);
    Slot *slot = SlotForNode(node, metadata);
    if (!slot || !slot->camera || slot->camera->Unregistered()) {
        errno = ENOENT;
        return -1;
    }
    std::memset(st, 0, sizeof *st);
    st->st_mode = S_IFCHR | 0660;
    st->st_rdev = makedev(81, unsigned(node));
    st->st_nlink = 1;
    st->st_blksize = 4096;
    return 0;
}

void fv_stat_folder(const char *path, struct stat *st)
{
    if (!fv_is_device_folder(path))
        return;
    System &s = Sys();
    std::lock_guard<std::recursive_mutex> lock(s.mutex);
    // Nodes coming and going change the folder, as udev's do.
    const timespec c = s.folderChange;
    if (c.tv_sec > st->st_mtim.tv_sec || (c.tv_sec == st->st_mtim.tv_sec && c.tv_nsec > st->st_mtim.tv_nsec))
        st->st_mtim = st->st_ctim = c;
}

} // extern "C"
