// velmora_startup_reference: the Velmora window's controls (kinds, counts,
// places, colours, texts, picture, icon, font) built with plain Qt Widgets
// and nothing else: no layout tables, no behaviour. The start-up bench uses
// it as the toolkit's floor for a window of this make-up.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace {

// Placeholder text of about the length and line count of Velmora's assignment.
const char* const kLongText =
    "Това е примерен текст, който стои на мястото на условието в еталонния прозорец.\r\n"
    "Тема: геометрични тела - цилиндър, радиус, височина, пълна повърхнина и обем.\r\n"
    "С програмата потребителят избира две от известните величини, а останалите се пресмятат "
    "и се показват в съответните текстови полета вдясно от отметките на рамката.\r\n"
    "Разрешава се въвеждането само на онези стойности, които отговарят на избора. \r\n"
    "Комбинацията се избира от списък, а стойностите се въвеждат от клавиатурата в "
    "текстовите полета на рамката с размерите.\r\n"
    "В примера се използват следните означения и зависимости:\r\n"
    "r - радиус на основата на цилиндъра;\r\n"
    "h - височина;\r\n"
    "d - диаметър на основата.\r\n"
    "Прилагат се следните зависимости:\r\n"
    "Пълна повърхнина: P = 2 * pi * r * (r + h),\r\n"
    "Обем: V = pi * r * r * h\r\n";

const char* const kHiddenText = "Търпението и постоянството са по-силни от всяка трудност, \r\n"
                                "а добре свършената работа говори сама за себе си \r\n"
                                "и след години. \r\n";

void fill(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void label(const QString& text, QWidget* parent, const QRect& place) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setGeometry(place);
    fill(l, QColor(255, 192, 128));
}

void button(const QString& text, const char* face, QWidget* parent, const QRect& place) {
    auto* b = new QPushButton(text, parent);
    b->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 2px outset %1; }")
                         .arg(QLatin1String(face)));
    b->setGeometry(place);
}

QPlainTextEdit* textBox(const char* text, QWidget* parent, const QRect& place) {
    auto* t = new QPlainTextEdit(QString::fromUtf8(text), parent);
    t->setReadOnly(true);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    t->setGeometry(place);
    return t;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The classic style that draws the sunken 3D edges the window is made for.
    QApplication::setStyle(QStringLiteral("Windows"));
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    font.setPixelSize(16); // 12 pt at 96 dpi
    QApplication::setFont(font);

    QWidget window;
    window.setWindowTitle(
        QStringLiteral("https://velmora.bg Математика - конус, повърхнина и обем"));
    window.setWindowIcon(QIcon(QStringLiteral(":/reference/window-icon.ico")));
    window.setFixedSize(481, 424);
    fill(&window, QColor(192, 192, 255));

    label(QStringLiteral("Математика - конус, радиус, височина, повърхнина, обем "), &window,
          {16, 0, 449, 25});
    label(QStringLiteral("Дадени:"), &window, {8, 40, 89, 25});

    auto* list = new QListWidget(&window);
    list->addItems({"R L", "R H", "R S", "R V", "L H", "L S", "H S", "H V"});
    list->setGeometry(8, 64, 89, 99);

    auto* frame = new QGroupBox(QStringLiteral("Размери"), &window);
    frame->setGeometry(104, 32, 161, 153);
    fill(frame, QColor(192, 192, 255));
    const char* const symbols[] = {"R", "L", "H", "S", "V"};
    for (int row = 0; row < 5; ++row) {
        auto* mark = new QCheckBox(QLatin1String(symbols[row]), frame);
        mark->setGeometry(8, 24 + 24 * row, 41, 27);
        fill(mark, QColor(128, 128, 255));
        auto* value = new QLineEdit(frame);
        value->setReadOnly(true);
        value->setGeometry(56, 24 + 24 * row, 89, 27);
    }

    auto* picture = new QLabel(&window);
    picture->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    picture->setPixmap(QPixmap(QStringLiteral(":/reference/cone-figure.jpg")));
    picture->setGeometry(312, 40, 141, 166);

    button(QStringLiteral("Изчисли"), "#00ff00", &window, {16, 192, 89, 25});
    button(QStringLiteral("Изчисти"), "#ff0000", &window, {144, 192, 89, 25});

    textBox(kLongText, &window, {8, 232, 457, 185});
    textBox(kHiddenText, &window, {40, 312, 449, 121})->hide();

    // Centred on the screen, as Velmora places itself.
    QRect place(QPoint(), window.size());
    place.moveCenter(window.screen()->availableGeometry().center());
    window.move(place.topLeft());
    window.show();
    return QApplication::exec();
}
