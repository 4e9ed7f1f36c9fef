#include "settings/mounted_volumes.h"

#include <gtest/gtest.h>

namespace kst {
namespace {

using Paths = std::vector<std::filesystem::path>;

TEST(MountedVolumes, KeepsRealFileSystemsRootFirstAndSorted)
{
    const char* mounts =
        "sysfs /sys sysfs rw,nosuid 0 0\n"
        "proc /proc proc rw 0 0\n"
        "udev /dev devtmpfs rw 0 0\n"
        "devpts /dev/pts devpts rw 0 0\n"
        "tmpfs /run tmpfs rw 0 0\n"
        "/dev/sda2 / ext4 rw,relatime 0 0\n"
        "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
        "tmpfs /dev/shm tmpfs rw 0 0\n"
        "tmpfs /tmp tmpfs rw 0 0\n"
        "/dev/sdb1 /media/user/MY\\040CARD vfat rw 0 0\n"
        "/dev/sda1 /boot/efi vfat rw 0 0\n"
        "/dev/sda3 /home ext4 rw 0 0\n"
        "/dev/sdc1 /run/media/user/usb exfat rw 0 0\n"
        "gvfsd-fuse /run/user/1000/gvfs fuse.gvfsd-fuse rw 0 0\n"
        "/dev/loop3 /snap/core/123 squashfs ro 0 0\n"
        "overlay /var/lib/docker/overlay2/abc/merged overlay rw 0 0\n"
        "server:/share /mnt/nas nfs4 rw 0 0\n"
        "tmpfs /mnt/ram tmpfs rw 0 0\n"
        "systemd-1 /proc/sys/fs/binfmt_misc autofs rw 0 0\n"
        "/dev/sdb1 /media/user/MY\\040CARD vfat rw 0 0\n"  // mounted twice, listed once
        "broken line\n"
        "\n";
    EXPECT_EQ(mountedVolumes(mounts), (Paths{"/", "/boot/efi", "/home", "/media/user/MY CARD", "/mnt/nas", "/mnt/ram",
                                             "/run/media/user/usb"}));
}

TEST(MountedVolumes, RootIsAlwaysOfferedAndPathsAreUnescaped)
{
    EXPECT_EQ(mountedVolumes(""), (Paths{"/"}));
    EXPECT_EQ(mountedVolumes("overlay / overlay rw 0 0\n/dev/sdb1 /mnt/a\\011b\\134c\\12 ext4 rw 0 0\n"),
              (Paths{"/", "/mnt/a\tb\\c\\12"}));
    EXPECT_EQ(mountedVolumes().front(), "/");
}

}  // namespace
}  // namespace kst
