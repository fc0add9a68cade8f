// Tests of the driver-control interface: the V4L2 mapping on a fake device, the simulator's empty
// list through the C interface, and a real device when one is plugged in.
#include "laser.h"
#include "v4l2controllist.h"

#include <QtTest>

#include <linux/videodev2.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>

namespace {

// A device that answers control ioctls from a table, with V4L2's NEXT_CTRL walk.
struct FakeDevice
{
    struct Control
    {
        v4l2_queryctrl query;
        int value;
        std::map<int, std::string> items; // menu items; integer menus keep their number here
    };
    std::vector<Control> controls;

    void Add(uint32_t id, uint32_t type, const char *name, int min, int max, int value, uint32_t flags = 0,
             std::map<int, std::string> items = {})
    {
        v4l2_queryctrl q{};
        q.id = id;
        q.type = type;
        std::snprintf(reinterpret_cast<char *>(q.name), sizeof q.name, "%s", name);
        q.minimum = min;
        q.maximum = max;
        q.step = 1;
        q.default_value = min;
        q.flags = flags;
        controls.push_back({q, value, std::move(items)});
    }

    const Control *Find(uint32_t id) const
    {
        for (const Control &c : controls)
            if (c.query.id == id)
                return &c;
        return nullptr;
    }

    int Ioctl(unsigned long request, void *arg) const
    {
        if (request == VIDIOC_QUERYCTRL) {
            auto *q = static_cast<v4l2_queryctrl *>(arg);
            const Control *found = nullptr;
            if (q->id & V4L2_CTRL_FLAG_NEXT_CTRL) {
                const uint32_t after = q->id & ~V4L2_CTRL_FLAG_NEXT_CTRL;
                for (const Control &c : controls)
                    if (c.query.id > after && (!found || c.query.id < found->query.id))
                        found = &c;
            } else {
                found = Find(q->id);
            }
            if (!found)
                return errno = EINVAL, -1;
            *q = found->query;
            return 0;
        }
        if (request == VIDIOC_G_CTRL) {
            auto *c = static_cast<v4l2_control *>(arg);
            const Control *found = Find(c->id);
            if (!found)
                return errno = EINVAL, -1;
            c->value = found->value;
            return 0;
        }
        if (request == VIDIOC_QUERYMENU) {
            auto *m = static_cast<v4l2_querymenu *>(arg);
            const Control *found = Find(m->id);
            if (!found || !found->items.count(int(m->index)))
                return errno = EINVAL, -1;
            const std::string &item = found->items.at(int(m->index));
            if (found->query.type == V4L2_CTRL_TYPE_INTEGER_MENU)
                m->value = std::stoll(item);
            else
                std::snprintf(reinterpret_cast<char *>(m->name), sizeof m->name, "%s", item.c_str());
            return 0;
        }
        return errno = ENOTTY, -1;
    }

    V4L2Ioctl Bound() const
    {
        return [this](unsigned long request, void *arg) { return Ioctl(request, arg); };
    }
};

} // namespace

class TestDriverControls : public QObject
{
    Q_OBJECT

private slots:
    void mapsTypesAndFlags_data();
    void mapsTypesAndFlags();
    void listsFakeDeviceInDriverOrder();
    void namesMenuItems_data();
    void namesMenuItems();
    void simulatorHasNoControls();
    void realDeviceControls();
};

void TestDriverControls::mapsTypesAndFlags_data()
{
    QTest::addColumn<uint>("v4l2Type");
    QTest::addColumn<uint>("v4l2Flags");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("type");
    QTest::addColumn<uint>("flags");
    QTest::newRow("integer") << uint(V4L2_CTRL_TYPE_INTEGER) << 0u << true << LASER_CONTROL_INTEGER << 0u;
    QTest::newRow("boolean") << uint(V4L2_CTRL_TYPE_BOOLEAN) << 0u << true << LASER_CONTROL_BOOLEAN << 0u;
    QTest::newRow("menu") << uint(V4L2_CTRL_TYPE_MENU) << 0u << true << LASER_CONTROL_MENU << 0u;
    QTest::newRow("integer menu") << uint(V4L2_CTRL_TYPE_INTEGER_MENU) << 0u << true << LASER_CONTROL_MENU << 0u;
    QTest::newRow("button") << uint(V4L2_CTRL_TYPE_BUTTON) << 0u << true << LASER_CONTROL_BUTTON << 0u;
    QTest::newRow("read-only") << uint(V4L2_CTRL_TYPE_INTEGER) << uint(V4L2_CTRL_FLAG_READ_ONLY) << true
                               << LASER_CONTROL_INTEGER << uint(LASER_CONTROL_READ_ONLY);
    QTest::newRow("grabbed") << uint(V4L2_CTRL_TYPE_INTEGER) << uint(V4L2_CTRL_FLAG_GRABBED) << true
                             << LASER_CONTROL_INTEGER << uint(LASER_CONTROL_READ_ONLY);
    QTest::newRow("inactive") << uint(V4L2_CTRL_TYPE_INTEGER)
                              << uint(V4L2_CTRL_FLAG_INACTIVE | V4L2_CTRL_FLAG_SLIDER) << true
                              << LASER_CONTROL_INTEGER << uint(LASER_CONTROL_INACTIVE);
    QTest::newRow("disabled") << uint(V4L2_CTRL_TYPE_INTEGER) << uint(V4L2_CTRL_FLAG_DISABLED) << false << 0 << 0u;
    QTest::newRow("class") << uint(V4L2_CTRL_TYPE_CTRL_CLASS) << 0u << false << 0 << 0u;
    QTest::newRow("string") << uint(V4L2_CTRL_TYPE_STRING) << 0u << false << 0 << 0u;
    QTest::newRow("64-bit") << uint(V4L2_CTRL_TYPE_INTEGER64) << 0u << false << 0 << 0u;
}

void TestDriverControls::mapsTypesAndFlags()
{
    QFETCH(uint, v4l2Type);
    QFETCH(uint, v4l2Flags);
    QFETCH(bool, shown);
    QFETCH(int, type);
    QFETCH(uint, flags);
    v4l2_queryctrl q{};
    q.id = V4L2_CID_BRIGHTNESS;
    q.type = v4l2Type;
    q.flags = v4l2Flags;
    q.minimum = -64;
    q.maximum = 64;
    q.step = 2;
    q.default_value = 4;
    // A full 32-byte name without terminator must come out cut and terminated.
    std::memset(q.name, 'N', sizeof q.name);
    LaserControl c;
    QCOMPARE(LaserControlFromQuery(q, c), shown);
    if (!shown)
        return;
    QCOMPARE(c.type, type);
    QCOMPARE(c.flags, flags);
    QCOMPARE(c.id, uint32_t(V4L2_CID_BRIGHTNESS));
    QCOMPARE(QByteArray(c.name), QByteArray(LASER_CONTROL_NAME_SIZE - 1, 'N'));
    QCOMPARE(c.minimum, -64);
    QCOMPARE(c.maximum, 64);
    QCOMPARE(c.step, 2);
    QCOMPARE(c.defaultValue, 4);
}

void TestDriverControls::listsFakeDeviceInDriverOrder()
{
    FakeDevice device;
    device.Add(V4L2_CID_CAMERA_CLASS, V4L2_CTRL_TYPE_CTRL_CLASS, "Camera Controls", 0, 0, 0);
    device.Add(V4L2_CID_EXPOSURE_ABSOLUTE, V4L2_CTRL_TYPE_INTEGER, "Exposure Time, Absolute", 3, 2047, 250,
               V4L2_CTRL_FLAG_INACTIVE);
    device.Add(V4L2_CID_EXPOSURE_AUTO, V4L2_CTRL_TYPE_MENU, "Auto Exposure", 0, 3, 3, 0,
               {{1, "Manual Mode"}, {3, "Aperture Priority Mode"}});
    device.Add(V4L2_CID_BRIGHTNESS, V4L2_CTRL_TYPE_INTEGER, "Brightness", -64, 64, 10);
    device.Add(V4L2_CID_HUE, V4L2_CTRL_TYPE_INTEGER, "Hue", 0, 10, 5, V4L2_CTRL_FLAG_DISABLED);
    device.Add(V4L2_CID_POWER_LINE_FREQUENCY, V4L2_CTRL_TYPE_MENU, "Power Line Frequency", 0, 2, 1, 0,
               {{0, "Disabled"}, {1, "50 Hz"}, {2, "60 Hz"}});
    const std::vector<LaserControl> list = ListV4L2Controls(device.Bound());
    QStringList names;
    QList<int> values;
    for (const LaserControl &c : list) {
        names << QString::fromLatin1(c.name);
        values << c.value;
    }
    // By id, as the driver walks them; the class heading and the disabled hue are left out.
    QCOMPARE(names, QStringList({"Brightness", "Power Line Frequency", "Auto Exposure", "Exposure Time, Absolute"}));
    QCOMPARE(values, QList<int>({10, 1, 3, 250}));
    QCOMPARE(list[3].flags, uint32_t(LASER_CONTROL_INACTIVE));
    QVERIFY(ListV4L2Controls(FakeDevice().Bound()).empty());
}

void TestDriverControls::namesMenuItems_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("name");
    QTest::newRow("named item") << uint(V4L2_CTRL_TYPE_MENU) << 1 << true << "50 Hz";
    QTest::newRow("missing item") << uint(V4L2_CTRL_TYPE_MENU) << 2 << false << "";
    QTest::newRow("negative index") << uint(V4L2_CTRL_TYPE_MENU) << -1 << false << "";
    QTest::newRow("integer menu") << uint(V4L2_CTRL_TYPE_INTEGER_MENU) << 1 << true << "50";
    QTest::newRow("not a menu") << uint(V4L2_CTRL_TYPE_INTEGER) << 1 << false << "";
}

void TestDriverControls::namesMenuItems()
{
    QFETCH(uint, type);
    QFETCH(int, index);
    QFETCH(bool, exists);
    QFETCH(QString, name);
    FakeDevice device;
    const bool integers = type == V4L2_CTRL_TYPE_INTEGER_MENU;
    device.Add(V4L2_CID_POWER_LINE_FREQUENCY, type, "Power Line Frequency", 0, 3, 1, 0,
               {{0, integers ? "0" : "Disabled"}, {1, integers ? "50" : "50 Hz"}, {3, integers ? "0" : "Auto"}});
    std::string text = "stale";
    QCOMPARE(V4L2MenuItemName(device.Bound(), V4L2_CID_POWER_LINE_FREQUENCY, index, text), exists);
    QCOMPARE(QString::fromStdString(text), name);
}

void TestDriverControls::simulatorHasNoControls()
{
    qputenv("LASER_SOURCES", "demo");
    CamSelectCamera(1);
    // Closed: nothing to list, nothing to set.
    QCOMPARE(CamListControls(nullptr, 0), 0);
    int device = -1;
    for (int i = 0; i < CamListDevices(); ++i) {
        char name[64];
        CamGetNameOfDevice(name, i);
        if (QByteArray(name) == "Simulator: Demo")
            device = i;
    }
    QVERIFY(device >= 0);
    QVERIFY(CamInit(device, 640, 480) > 0);
    LaserControl controls[4];
    QCOMPARE(CamListControls(controls, 4), 0);
    char item[LASER_CONTROL_NAME_SIZE] = "stale";
    QCOMPARE(CamGetControlMenuItem(V4L2_CID_POWER_LINE_FREQUENCY, 1, item), -1);
    QCOMPARE(QByteArray(item), QByteArray());
    int value = 7;
    QCOMPARE(CamGetControl(V4L2_CID_BRIGHTNESS, &value), -1);
    QCOMPARE(value, 7);
    QCOMPARE(CamSetControl(V4L2_CID_BRIGHTNESS, 1), -1);
    CamFree();
    qunsetenv("LASER_SOURCES");
}

void TestDriverControls::realDeviceControls()
{
    qunsetenv("LASER_SOURCES");
    if (CamListDevices() == 0)
        QSKIP("no V4L2 camera plugged in");
    CamSelectCamera(0);
    if (CamInit(0, 640, 480) <= 0)
        QSKIP("the V4L2 camera cannot be opened (busy or no permission)");
    const int count = CamListControls(nullptr, 0);
    QVERIFY(count > 0);
    std::vector<LaserControl> list(size_t(count) + 1);
    list.back().id = 0xdead;
    QCOMPARE(CamListControls(list.data(), count), count);
    QCOMPARE(list.back().id, 0xdeadu); // nothing written beyond the capacity
    for (int i = 0; i < count; ++i) {
        const LaserControl &c = list[size_t(i)];
        QVERIFY2(c.type >= LASER_CONTROL_INTEGER && c.type <= LASER_CONTROL_BUTTON, c.name);
        if (c.type == LASER_CONTROL_BUTTON)
            continue;
        QVERIFY2(c.value >= c.minimum && c.value <= c.maximum, c.name);
        int value = 0;
        if (CamGetControl(c.id, &value) == 0 && !(c.flags & LASER_CONTROL_READ_ONLY))
            QCOMPARE(CamSetControl(c.id, value), 0); // writing back what is there is always taken
        if (c.type == LASER_CONTROL_MENU) {
            char item[LASER_CONTROL_NAME_SIZE];
            QCOMPARE(CamGetControlMenuItem(c.id, c.value, item), 0);
            QVERIFY(item[0]);
        }
    }
    CamFree();
}

QTEST_APPLESS_MAIN(TestDriverControls)
#include "tst_drivercontrols.moc"
