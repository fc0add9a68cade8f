// Tests of the driver controls: the V4L2 mapping against a fake device, the simulator's empty
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

// A device answering control ioctls from a table, walked with V4L2_CTRL_FLAG_NEXT_CTRL.
struct FakeDevice
{
    struct Control
    {
        v4l2_queryctrl query;
        int value;
        std::map<uint32_t, std::string> items; // an integer menu keeps its numbers as text
    };
    std::map<uint32_t, Control> controls;

    void Add(uint32_t id, uint32_t type, const char *name, int max, int value, uint32_t flags = 0,
             std::map<uint32_t, std::string> items = {})
    {
        v4l2_queryctrl q{};
        q.id = id;
        q.type = type;
        std::snprintf(reinterpret_cast<char *>(q.name), sizeof q.name, "%s", name);
        q.maximum = max;
        q.flags = flags;
        controls[id] = {q, value, std::move(items)};
    }

    int Ioctl(unsigned long request, void *arg) const
    {
        const uint32_t id = *static_cast<uint32_t *>(arg); // every request here starts with the id
        auto it = controls.find(id);
        if (request == VIDIOC_QUERYCTRL && (id & V4L2_CTRL_FLAG_NEXT_CTRL))
            it = controls.upper_bound(id & ~V4L2_CTRL_FLAG_NEXT_CTRL);
        if (it == controls.end())
            return errno = EINVAL, -1;
        const Control &c = it->second;
        if (request == VIDIOC_QUERYCTRL)
            *static_cast<v4l2_queryctrl *>(arg) = c.query;
        else if (request == VIDIOC_G_CTRL)
            static_cast<v4l2_control *>(arg)->value = c.value;
        else if (request != VIDIOC_QUERYMENU)
            return errno = ENOTTY, -1;
        if (request != VIDIOC_QUERYMENU)
            return 0;
        auto *m = static_cast<v4l2_querymenu *>(arg);
        if (!c.items.count(m->index))
            return errno = EINVAL, -1;
        if (c.query.type == V4L2_CTRL_TYPE_INTEGER_MENU)
            m->value = std::stoll(c.items.at(m->index));
        else
            std::snprintf(reinterpret_cast<char *>(m->name), sizeof m->name, "%s", c.items.at(m->index).c_str());
        return 0;
    }

    V4L2Ioctl Bound() const { return [this](unsigned long r, void *a) { return Ioctl(r, a); }; }
};

} // namespace

class TestDriverControls : public QObject
{
    Q_OBJECT

private slots:
    void mapsTypesAndFlags_data();
    void mapsTypesAndFlags();
    void listsAndNamesFakeDeviceControls();
    void simulatorHasNoControls();
    void realDeviceControls();
};

void TestDriverControls::mapsTypesAndFlags_data()
{
    QTest::addColumn<uint>("v4l2Type");
    QTest::addColumn<uint>("v4l2Flags");
    QTest::addColumn<int>("type"); // 0: not shown
    QTest::addColumn<uint>("flags");
    QTest::newRow("integer") << uint(V4L2_CTRL_TYPE_INTEGER) << 0u << LASER_CONTROL_INTEGER << 0u;
    QTest::newRow("boolean") << uint(V4L2_CTRL_TYPE_BOOLEAN) << 0u << LASER_CONTROL_BOOLEAN << 0u;
    QTest::newRow("menu") << uint(V4L2_CTRL_TYPE_MENU) << 0u << LASER_CONTROL_MENU << 0u;
    QTest::newRow("integer menu") << uint(V4L2_CTRL_TYPE_INTEGER_MENU) << 0u << LASER_CONTROL_MENU << 0u;
    QTest::newRow("button") << uint(V4L2_CTRL_TYPE_BUTTON) << 0u << LASER_CONTROL_BUTTON << 0u;
    QTest::newRow("read-only") << uint(V4L2_CTRL_TYPE_INTEGER) << uint(V4L2_CTRL_FLAG_READ_ONLY)
                               << LASER_CONTROL_INTEGER << uint(LASER_CONTROL_READ_ONLY);
    QTest::newRow("grabbed") << uint(V4L2_CTRL_TYPE_INTEGER) << uint(V4L2_CTRL_FLAG_GRABBED)
                             << LASER_CONTROL_INTEGER << uint(LASER_CONTROL_READ_ONLY);
    QTest::newRow("inactive slider") << uint(V4L2_CTRL_TYPE_INTEGER)
                                     << uint(V4L2_CTRL_FLAG_INACTIVE | V4L2_CTRL_FLAG_SLIDER)
                                     << LASER_CONTROL_INTEGER << uint(LASER_CONTROL_INACTIVE);
    QTest::newRow("disabled") << uint(V4L2_CTRL_TYPE_INTEGER) << uint(V4L2_CTRL_FLAG_DISABLED) << 0 << 0u;
    QTest::newRow("class") << uint(V4L2_CTRL_TYPE_CTRL_CLASS) << 0u << 0 << 0u;
    QTest::newRow("string") << uint(V4L2_CTRL_TYPE_STRING) << 0u << 0 << 0u;
    QTest::newRow("64-bit") << uint(V4L2_CTRL_TYPE_INTEGER64) << 0u << 0 << 0u;
}

void TestDriverControls::mapsTypesAndFlags()
{
    QFETCH(uint, v4l2Type);
    QFETCH(uint, v4l2Flags);
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
    std::memset(q.name, 'N', sizeof q.name); // unterminated: cut and terminated
    LaserControl c;
    QCOMPARE(LaserControlFromQuery(q, c), type != 0);
    if (type == 0)
        return;
    QCOMPARE(c.type, type);
    QCOMPARE(c.flags, flags);
    QCOMPARE(QByteArray(c.name), QByteArray(LASER_CONTROL_NAME_SIZE - 1, 'N'));
    QCOMPARE(QList<int>({c.minimum, c.maximum, c.step, c.defaultValue}), QList<int>({-64, 64, 2, 4}));
}

void TestDriverControls::listsAndNamesFakeDeviceControls()
{
    FakeDevice device;
    QVERIFY(ListV4L2Controls(device.Bound()).empty());
    device.Add(V4L2_CID_CAMERA_CLASS, V4L2_CTRL_TYPE_CTRL_CLASS, "Camera Controls", 0, 0);
    device.Add(V4L2_CID_EXPOSURE_ABSOLUTE, V4L2_CTRL_TYPE_INTEGER, "Exposure Time", 2047, 250, V4L2_CTRL_FLAG_INACTIVE);
    device.Add(V4L2_CID_EXPOSURE_AUTO, V4L2_CTRL_TYPE_MENU, "Auto Exposure", 3, 3, 0, {{1, "Manual"}, {3, "Aperture"}});
    device.Add(V4L2_CID_BRIGHTNESS, V4L2_CTRL_TYPE_INTEGER, "Brightness", 64, 10);
    device.Add(V4L2_CID_HUE, V4L2_CTRL_TYPE_INTEGER, "Hue", 10, 5, V4L2_CTRL_FLAG_DISABLED);
    device.Add(V4L2_CID_POWER_LINE_FREQUENCY, V4L2_CTRL_TYPE_INTEGER_MENU, "Frequency", 2, 1, 0, {{0, "0"}, {1, "50"}});
    QStringList shown;
    for (const LaserControl &c : ListV4L2Controls(device.Bound()))
        shown << QStringLiteral("%1=%2").arg(c.name).arg(c.value);
    // In id order as the driver walks them, without the class heading and the disabled hue.
    QCOMPARE(shown, QStringList({"Brightness=10", "Frequency=1", "Auto Exposure=3", "Exposure Time=250"}));

    std::string name = "stale";
    QVERIFY(V4L2MenuItemName(device.Bound(), V4L2_CID_EXPOSURE_AUTO, 3, name));
    QCOMPARE(name, std::string("Aperture"));
    QVERIFY(V4L2MenuItemName(device.Bound(), V4L2_CID_POWER_LINE_FREQUENCY, 1, name));
    QCOMPARE(name, std::string("50"));
    QVERIFY(!V4L2MenuItemName(device.Bound(), V4L2_CID_EXPOSURE_AUTO, 2, name)); // a gap in the menu
    QCOMPARE(name, std::string());
    QVERIFY(!V4L2MenuItemName(device.Bound(), V4L2_CID_EXPOSURE_AUTO, -1, name));
    QVERIFY(!V4L2MenuItemName(device.Bound(), V4L2_CID_BRIGHTNESS, 0, name)); // not a menu
}

void TestDriverControls::simulatorHasNoControls()
{
    qputenv("LASER_SOURCES", "demo");
    CamSelectCamera(1);
    QCOMPARE(CamListControls(nullptr, 0), 0); // closed
    const int demo = CamListDevices() - 1;
    QVERIFY(CamInit(demo, 640, 480) > 0);
    LaserControl controls[4];
    QCOMPARE(CamListControls(controls, 4), 0);
    char item[LASER_CONTROL_NAME_SIZE] = "stale";
    QCOMPARE(CamGetControlMenuItem(V4L2_CID_POWER_LINE_FREQUENCY, 1, item), -1);
    QCOMPARE(item[0], '\0');
    int value = 7;
    QCOMPARE(CamGetControl(V4L2_CID_BRIGHTNESS, &value), -1);
    QCOMPARE(value, 7);
    QCOMPARE(CamSetControl(V4L2_CID_BRIGHTNESS, 1), -1);
    CamFree();
    qunsetenv("LASER_SOURCES");
}

void TestDriverControls::realDeviceControls()
{
    qunsetenv("LASER_SOURCES"); // real devices only
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
        if (c.type == LASER_CONTROL_BUTTON)
            continue;
        QVERIFY2(c.value >= c.minimum && c.value <= c.maximum, c.name);
        int value = 0;
        QCOMPARE(CamGetControl(c.id, &value), 0);
        if (!(c.flags & LASER_CONTROL_READ_ONLY))
            QCOMPARE(CamSetControl(c.id, value), 0); // what is there is always taken back
        char item[LASER_CONTROL_NAME_SIZE];
        if (c.type == LASER_CONTROL_MENU)
            QVERIFY2(CamGetControlMenuItem(c.id, c.value, item) == 0 && item[0], c.name);
    }
    CamFree();
}

QTEST_APPLESS_MAIN(TestDriverControls)
#include "tst_drivercontrols.moc"
