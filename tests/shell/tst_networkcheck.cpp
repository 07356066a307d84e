#include <fcntl.h>
#include <net/if.h>
#include <sched.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QtTest>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "shell/desktopservices.h"

// The manual link's connection check, asked of the machine's real interfaces. Nothing is sent
// anywhere: the test only creates interfaces, gives them addresses and sets them up or down.
namespace {

bool networkIsUp() {
    return zelmora::systemDesktopServices().networkIsUp();
}

std::string firstLine(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

// The interface's flags as the kernel reports them to ioctl, running state included.
short interfaceFlags(int sock, const char* name) {
    ifreq request{};
    std::strncpy(request.ifr_name, name, IFNAMSIZ - 1);
    return ioctl(sock, SIOCGIFFLAGS, &request) == 0 ? request.ifr_flags : 0;
}

// Whether an interface other than the loopback is up, running and has an address, read from
// sysfs, the interface's IPv4 address and the kernel's IPv6 address list rather than from the
// interface list that the program reads.
bool interfacesSayUp() {
    std::set<std::string> withIpv6;
    std::ifstream inet6("/proc/net/if_inet6");
    for (std::string line; std::getline(inet6, line);) {
        withIpv6.insert(line.substr(line.find_last_of(' ') + 1));
    }
    const int sock = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    bool up = false;
    for (const auto& entry : std::filesystem::directory_iterator("/sys/class/net")) {
        const std::string name = entry.path().filename();
        const std::string hex = firstLine(entry.path() / "flags").substr(2);  // "0x1003"
        unsigned flags = 0;
        std::from_chars(hex.data(), hex.data() + hex.size(), flags, 16);
        const std::string state = firstLine(entry.path() / "operstate");
        ifreq request{};
        std::strncpy(request.ifr_name, name.c_str(), IFNAMSIZ - 1);
        const bool hasIpv4 = ioctl(sock, SIOCGIFADDR, &request) == 0;
        up = up || ((flags & IFF_UP) && (state == "up" || state == "unknown") &&
                    !(flags & IFF_LOOPBACK) && (hasIpv4 || withIpv6.count(name) > 0));
    }
    close(sock);
    return up;
}

// Runs iproute2's ip quietly; true when it succeeded.
bool ip(std::vector<const char*> args) {
    args.insert(args.begin(), "ip");
    args.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&quiet, STDOUT_FILENO, STDERR_FILENO);
    pid_t pid = 0;
    const int spawned =
        posix_spawnp(&pid, "ip", &quiet, nullptr, const_cast<char* const*>(args.data()), environ);
    posix_spawn_file_actions_destroy(&quiet);
    int status = 0;
    if (spawned != 0) {
        return false;
    }
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Waits until the interface's flags have the state, for the kernel marks a link running a
// moment after it comes up, from a queue that it works through at most once a second and later
// on a loaded machine. False when the state never came.
bool waitForFlag(int sock, const char* name, short flag, bool set) {
    QDeadlineTimer deadline(15000);
    while (((interfaceFlags(sock, name) & flag) != 0) != set) {
        if (deadline.hasExpired()) {
            return false;
        }
        usleep(10000);
    }
    return true;
}

// In a network namespace of its own, which starts with a down loopback and nothing else:
// the check's answer after each step, one line "step=0|1" each, or "skip=why".
void answerInANamespaceOfItsOwn(int out) {
    const auto say = [out](const std::string& line) {
        const std::string text = line + "\n";
        (void)!write(out, text.data(), text.size());
    };
    const auto step = [&](const char* name) {
        say(std::string(name) + (networkIsUp() ? "=1" : "=0"));
    };
    if (unshare(CLONE_NEWNET) != 0) {
        say(std::string("skip=a network namespace of its own is not permitted: ") +
            std::strerror(errno));
        return;
    }
    const int sock = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    step("loopback down");
    if (!ip({"link", "set", "lo", "up"})) {
        say("skip=ip (iproute2) cannot set the loopback up");
        return;
    }
    if (!waitForFlag(sock, "lo", IFF_RUNNING, true)) {
        say("fail=the kernel did not mark the loopback running within 15 s");
        return;
    }
    step("loopback up with 127.0.0.1");
    // A dummy interface where the kernel has them, else one end of a pair of virtual ones.
    if (!ip({"link", "add", "d0", "type", "dummy"})) {
        if (!ip({"link", "add", "d0", "type", "veth", "peer", "name", "d1"}) ||
            !ip({"link", "set", "d1", "up"})) {
            say("skip=the kernel makes neither dummy nor veth interfaces");
            return;
        }
    }
    if (!ip({"addr", "add", "192.0.2.1/24", "dev", "d0"})) {
        say("skip=ip cannot give the interface an address");
        return;
    }
    step("other interface down with an address");
    ip({"link", "set", "d0", "up"});
    if (!waitForFlag(sock, "d0", IFF_RUNNING, true)) {
        say("fail=the kernel did not mark d0 running within 15 s");
        return;
    }
    step("other interface up with an address");
    ip({"link", "set", "d0", "down"});
    if (!waitForFlag(sock, "d0", IFF_UP, false)) {
        say("fail=the kernel did not take d0 down within 15 s");
        return;
    }
    step("other interface down again");
}

}  // namespace

class NetworkCheckTest : public QObject {
    Q_OBJECT
  private slots:
    // The machine's interfaces may change while they are read (a container's link comes or goes,
    // an address is added): the check's answer counts only between two readings that agree.
    void agreesWithTheMachinesInterfaces() {
        for (int attempt = 0; attempt < 50; ++attempt) {
            const bool before = interfacesSayUp();
            const bool answer = networkIsUp();
            if (interfacesSayUp() == before) {
                QCOMPARE(answer, before);
                return;
            }
            QTest::qWait(20);
        }
        QFAIL("the machine's interfaces kept changing while they were read");
    }

    void onlyAnInterfaceBesidesTheLoopbackCounts() {
        int pipeEnds[2];
        QVERIFY(pipe2(pipeEnds, O_CLOEXEC) == 0);
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            close(pipeEnds[0]);
            answerInANamespaceOfItsOwn(pipeEnds[1]);
            _exit(0);
        }
        close(pipeEnds[1]);
        QByteArray said;
        char buffer[256];
        for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) != 0;) {
            if (n > 0) {
                said.append(buffer, n);
            } else if (errno != EINTR) {
                break;
            }
        }
        close(pipeEnds[0]);
        int status = 0;
        waitpid(child, &status, 0);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);

        QStringList steps = QString::fromUtf8(said).split(u'\n', Qt::SkipEmptyParts);
        if (!steps.isEmpty() && steps.last().startsWith(QStringLiteral("fail="))) {
            QFAIL(qPrintable(steps.last().mid(5)));
        }
        const QString skip = steps.isEmpty() || !steps.last().startsWith(QStringLiteral("skip="))
                                 ? QString()
                                 : steps.takeLast().mid(5);
        const QStringList expected = {
            QStringLiteral("loopback down=0"),
            QStringLiteral("loopback up with 127.0.0.1=0"),
            QStringLiteral("other interface down with an address=0"),
            QStringLiteral("other interface up with an address=1"),
            QStringLiteral("other interface down again=0"),
        };
        QCOMPARE(steps, expected.mid(0, skip.isEmpty() ? expected.size() : steps.size()));
        if (!skip.isEmpty()) {
            QSKIP(qPrintable(skip));
        }
    }
};

QTEST_GUILESS_MAIN(NetworkCheckTest)
#include "tst_networkcheck.moc"
