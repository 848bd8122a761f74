# A foreign client: a PyQt program that knows the Veltrix looks only by their
# style keys. It finds them through QStyleFactory in the style plugin on
# QT_PLUGIN_PATH, shows a window of standard widgets under each, renders it to a
# PNG, switches the look of the living window at run time and exits cleanly.
#
#     python3 pyqt_styles.py 5|6 OUT_DIR
#
# PyQt5 (Debian python3-pyqt5) for the Qt 5 build, PyQt6 (python3-pyqt6) for
# the Qt 6 build. Without it the program says "Skipped: ..." and the test
# counts as skipped, except under CI (CI=true), where it fails.
import importlib
import os
import sys

major, out_dir = sys.argv[1], sys.argv[2]
try:
    QtWidgets = importlib.import_module(f"PyQt{major}.QtWidgets")
except ImportError as error:
    print(f"Skipped: no PyQt{major} for {sys.executable} ({error}); install python3-pyqt{major}")
    sys.exit(1 if os.environ.get("CI") == "true" else 0)

# Which keys the plugin offers and which class each makes is tst_styleplugin's to check.
LOOKS = ["VeltrixGradient", "VeltrixFlat", "VeltrixCommon"]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def settled(widget):
    # The window once a new look's fonts and layouts have come through (Qt 6 takes more than one round).
    image = widget.grab().toImage()
    for _ in range(20):
        app.processEvents()
        image, before = widget.grab().toImage(), image
        if image == before:
            break
    return image


app = QtWidgets.QApplication(["pyqt_styles"])
shown = QtWidgets.QMainWindow()
shown.menuBar().addMenu("&File").addAction("&Quit")
tabs = QtWidgets.QTabWidget()
tabs.addTab(QtWidgets.QListWidget(), "List")
tabs.addTab(QtWidgets.QWidget(), "Other")
shown.setCentralWidget(QtWidgets.QWidget())
grid = QtWidgets.QGridLayout(shown.centralWidget())
for row, widget in enumerate([QtWidgets.QPushButton("Push"), QtWidgets.QCheckBox("Checked", checked=True),
                              QtWidgets.QRadioButton("Radio"), QtWidgets.QComboBox(editable=True),
                              QtWidgets.QLineEdit("Text"), QtWidgets.QSpinBox(), QtWidgets.QProgressBar(value=40),
                              QtWidgets.QGroupBox("Group", checkable=True), tabs]):
    grid.addWidget(widget, row // 2, row % 2)
shown.resize(420, 320)
shown.show()

os.makedirs(out_dir, exist_ok=True)
images = {}
for key in LOOKS * 2:  # each look twice, switched while the window is shown
    QtWidgets.QApplication.setStyle(QtWidgets.QStyleFactory.create(key))
    image = settled(shown)
    check(image.save(os.path.join(out_dir, f"pyqt{major}-{key}.png")), f"cannot write the picture of {key}")
    check(images.setdefault(key, image) == image, f"{key} renders otherwise the second time")
# The looks differ, and from Fusion.
QtWidgets.QApplication.setStyle("Fusion")
fusion = settled(shown)
check(len({bytes(image.constBits().asstring(image.sizeInBytes())) for image in [fusion, *images.values()]}) == 4,
      "two looks render the same window alike")
shown.close()
del shown
app.processEvents()

for failure in failures:
    print("FAILED:", failure)
print(f"{len(LOOKS)} looks from the style plugin under PyQt{major}, {len(failures)} failures")
sys.exit(1 if failures else 0)
