/* SPDX-License-Identifier: GPL-3.0-or-later */
/* The C library functions the userspace device stands behind, for programs that load it with
 * LD_PRELOAD: everything a V4L2 program and libv4l2 call on a video node, including the raw
 * syscall() through which libv4l2 makes its own calls, and the device folder's listing. */
#define _GNU_SOURCE
#include "fakesystem.h"

#include <dirent.h>
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <stdarg.h>
#include <string.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <sys/select.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#define EXPORT __attribute__((visibility("default")))

static void *Next(const char *name)
{
    return dlsym(RTLD_NEXT, name);
}

#define REAL(type, name) \
    static type real_##name; \
    if (!real_##name) \
        real_##name = (type)Next(#name)

typedef long (*syscall_t)(long, long, long, long, long, long, long);
typedef int (*open_t)(const char *, int, ...);
typedef int (*openat_t)(int, const char *, int, ...);
typedef int (*open2_t)(const char *, int);
typedef int (*close_t)(int);
typedef int (*ioctl_t)(int, unsigned long, void *);
typedef void *(*mmap_t)(void *, size_t, int, int, int, off_t);
typedef int (*poll_t)(struct pollfd *, nfds_t, int);
typedef int (*select_t)(int, fd_set *, fd_set *, fd_set *, struct timeval *);
typedef ssize_t (*read_t)(int, void *, size_t);
typedef ssize_t (*write_t)(int, const void *, size_t);
typedef DIR *(*opendir_t)(const char *);
typedef struct dirent *(*readdir_t)(DIR *);
typedef int (*closedir_t)(DIR *);
typedef int (*stat_t)(const char *, struct stat *);

static int RealPoll(struct pollfd *fds, nfds_t n, int timeout)
{
    REAL(poll_t, poll);
    return real_poll(fds, n, timeout);
}

static int OpenDevice(const char *path, int flags)
{
    return fv_open(path, flags);
}

static int CloseDevice(int fd)
{
    REAL(close_t, close);
    fv_release(fd);
    return real_close(fd);
}

EXPORT long syscall(long number, ...)
{
    va_list ap;
    long a[6];
    va_start(ap, number);
    for (int i = 0; i < 6; ++i)
        a[i] = va_arg(ap, long);
    va_end(ap);
    switch (number) {
    case SYS_open:
        if (fv_claims_path((const char *)a[0]))
            return OpenDevice((const char *)a[0], (int)a[1]);
        break;
    case SYS_openat:
        if (fv_claims_path((const char *)a[1]))
            return OpenDevice((const char *)a[1], (int)a[2]);
        break;
    case SYS_close:
        if (fv_is_device_fd((int)a[0]))
            return CloseDevice((int)a[0]);
        break;
    case SYS_ioctl:
        if (fv_is_device_fd((int)a[0]))
            return fv_ioctl((int)a[0], (unsigned long)a[1], (void *)a[2]);
        break;
    case SYS_mmap:
        if (fv_is_device_fd((int)a[4]))
            return (long)fv_mmap((void *)a[0], (size_t)a[1], (int)a[2], (int)a[3], (int)a[4], (off_t)a[5]);
        break;
    case SYS_read:
    case SYS_write:
        if (fv_is_device_fd((int)a[0])) {
            errno = EINVAL; /* the UVC driver has no read() or write() I/O */
            return -1;
        }
        break;
    default:
        break;
    }
    REAL(syscall_t, syscall);
    return real_syscall(number, a[0], a[1], a[2], a[3], a[4], a[5]);
}

static mode_t ModeArgument(int flags, va_list ap)
{
    return (flags & (O_CREAT | O_TMPFILE)) ? va_arg(ap, mode_t) : 0;
}

EXPORT int open(const char *path, int flags, ...)
{
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = ModeArgument(flags, ap);
    va_end(ap);
    if (fv_claims_path(path))
        return OpenDevice(path, flags);
    REAL(open_t, open);
    return real_open(path, flags, mode);
}

EXPORT int open64(const char *path, int flags, ...)
{
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = ModeArgument(flags, ap);
    va_end(ap);
    if (fv_claims_path(path))
        return OpenDevice(path, flags);
    REAL(open_t, open64);
    return real_open64(path, flags, mode);
}

EXPORT int openat(int dirfd, const char *path, int flags, ...)
{
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = ModeArgument(flags, ap);
    va_end(ap);
    if (fv_claims_path(path))
        return OpenDevice(path, flags);
    REAL(openat_t, openat);
    return real_openat(dirfd, path, flags, mode);
}

EXPORT int openat64(int dirfd, const char *path, int flags, ...)
{
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = ModeArgument(flags, ap);
    va_end(ap);
    if (fv_claims_path(path))
        return OpenDevice(path, flags);
    REAL(openat_t, openat64);
    return real_openat64(dirfd, path, flags, mode);
}

EXPORT int __open_2(const char *path, int flags)
{
    if (fv_claims_path(path))
        return OpenDevice(path, flags);
    REAL(open2_t, __open_2);
    return real___open_2(path, flags);
}

EXPORT int __open64_2(const char *path, int flags)
{
    if (fv_claims_path(path))
        return OpenDevice(path, flags);
    REAL(open2_t, __open64_2);
    return real___open64_2(path, flags);
}

EXPORT int close(int fd)
{
    if (fv_is_device_fd(fd))
        return CloseDevice(fd);
    REAL(close_t, close);
    return real_close(fd);
}

EXPORT int ioctl(int fd, unsigned long request, ...)
{
    va_list ap;
    va_start(ap, request);
    void *arg = va_arg(ap, void *);
    va_end(ap);
    if (fv_is_device_fd(fd))
        return fv_ioctl(fd, request, arg);
    REAL(ioctl_t, ioctl);
    return real_ioctl(fd, request, arg);
}

EXPORT void *mmap(void *address, size_t length, int protection, int flags, int fd, off_t offset)
{
    if (fv_is_device_fd(fd))
        return fv_mmap(address, length, protection, flags, fd, offset);
    REAL(mmap_t, mmap);
    return real_mmap(address, length, protection, flags, fd, offset);
}

EXPORT void *mmap64(void *address, size_t length, int protection, int flags, int fd, off_t offset)
{
    if (fv_is_device_fd(fd))
        return fv_mmap(address, length, protection, flags, fd, offset);
    REAL(mmap_t, mmap64);
    return real_mmap64(address, length, protection, flags, fd, offset);
}

/* glibc declares poll's set write-only for its fortified checks, though poll reads it. */
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
EXPORT int poll(struct pollfd *fds, nfds_t count, int timeout)
{
    if (fds && fv_holds_device_fd(fds, count))
        return fv_poll(fds, count, timeout, RealPoll);
    return RealPoll(fds, count, timeout);
}
#pragma GCC diagnostic pop

EXPORT int __poll_chk(struct pollfd *fds, nfds_t count, int timeout, size_t size)
{
    (void)size;
    return poll(fds, count, timeout);
}

EXPORT int select(int n, fd_set *readable, fd_set *writable, fd_set *failed, struct timeval *timeout)
{
    int device = 0;
    for (int fd = 0; fd < n && fd < FD_SETSIZE && !device; ++fd)
        device = fv_is_device_fd(fd) && ((readable && FD_ISSET(fd, readable)) || (writable && FD_ISSET(fd, writable))
                                         || (failed && FD_ISSET(fd, failed)));
    if (!device) {
        REAL(select_t, select);
        return real_select(n, readable, writable, failed, timeout);
    }
    /* A set with a device node is answered as the same poll(). */
    static __thread struct pollfd fds[FD_SETSIZE];
    nfds_t count = 0;
    for (int fd = 0; fd < n && fd < FD_SETSIZE; ++fd) {
        short events = 0;
        if (readable && FD_ISSET(fd, readable))
            events |= POLLIN;
        if (writable && FD_ISSET(fd, writable))
            events |= POLLOUT;
        if (failed && FD_ISSET(fd, failed))
            events |= POLLPRI;
        if (events) {
            fds[count].fd = fd;
            fds[count].events = events;
            fds[count].revents = 0;
            ++count;
        }
    }
    const int ms = timeout ? (int)(timeout->tv_sec * 1000 + (timeout->tv_usec + 999) / 1000) : -1;
    const int r = fv_poll(fds, count, ms, RealPoll);
    if (r < 0)
        return r;
    if (readable)
        FD_ZERO(readable);
    if (writable)
        FD_ZERO(writable);
    if (failed)
        FD_ZERO(failed);
    int bits = 0;
    for (nfds_t i = 0; i < count; ++i) {
        const short re = fds[i].revents;
        /* An error or hang-up makes a descriptor readable for select(), as the kernel's does. */
        if (readable && (re & (POLLIN | POLLERR | POLLHUP)) && (fds[i].events & POLLIN)) {
            FD_SET(fds[i].fd, readable);
            ++bits;
        }
        if (writable && (re & (POLLOUT | POLLERR)) && (fds[i].events & POLLOUT)) {
            FD_SET(fds[i].fd, writable);
            ++bits;
        }
        if (failed && (re & POLLPRI) && (fds[i].events & POLLPRI)) {
            FD_SET(fds[i].fd, failed);
            ++bits;
        }
    }
    return bits;
}

EXPORT ssize_t read(int fd, void *buffer, size_t size)
{
    if (fv_is_device_fd(fd)) {
        errno = EINVAL;
        return -1;
    }
    REAL(read_t, read);
    return real_read(fd, buffer, size);
}

EXPORT ssize_t write(int fd, const void *buffer, size_t size)
{
    if (fv_is_device_fd(fd)) {
        errno = EINVAL;
        return -1;
    }
    REAL(write_t, write);
    return real_write(fd, buffer, size);
}

EXPORT DIR *opendir(const char *path)
{
    REAL(opendir_t, opendir);
    DIR *dir = real_opendir(path);
    if (dir && fv_is_device_folder(path))
        fv_folder_opened(dir);
    return dir;
}

EXPORT int closedir(DIR *dir)
{
    REAL(closedir_t, closedir);
    fv_folder_closed(dir);
    return real_closedir(dir);
}

static struct dirent *NextEntry(DIR *dir, readdir_t real)
{
    struct dirent *e;
    while ((e = real(dir)) != NULL)
        if (!fv_folder_hides(dir, e->d_name))
            return e;
    return fv_folder_next(dir);
}

EXPORT struct dirent *readdir(DIR *dir)
{
    REAL(readdir_t, readdir);
    return NextEntry(dir, real_readdir);
}

EXPORT struct dirent64 *readdir64(DIR *dir)
{
    /* One layout on 64-bit systems. */
    REAL(readdir_t, readdir64);
    return (struct dirent64 *)NextEntry(dir, real_readdir64);
}

EXPORT int stat(const char *path, struct stat *st)
{
    if (fv_claims_path(path))
        return fv_stat_node(path, st);
    REAL(stat_t, stat);
    const int r = real_stat(path, st);
    if (r == 0)
        fv_stat_folder(path, st);
    return r;
}

EXPORT int stat64(const char *path, struct stat64 *st)
{
    if (fv_claims_path(path))
        return fv_stat_node(path, (struct stat *)st);
    REAL(stat_t, stat64);
    const int r = real_stat64(path, (struct stat *)st);
    if (r == 0)
        fv_stat_folder(path, (struct stat *)st);
    return r;
}

EXPORT int access(const char *path, int mode)
{
    if (fv_claims_path(path)) {
        struct stat st;
        return fv_stat_node(path, &st);
    }
    typedef int (*access_t)(const char *, int);
    REAL(access_t, access);
    return real_access(path, mode);
}
