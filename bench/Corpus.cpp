#include "Corpus.h"

#include "TextRenderer.h"

#include <QDir>
#include <QFile>
#include <QPainter>

namespace {

using Surround = TextRenderer::Surround;

struct Group {
    const char *name;
    QStringList fonts;
    QStringList lines;
    const char *model; // the right language for plain Tesseract
    Surround surround = Surround::none;
};

const QStringList &denseText()
{
    static const QStringList lines{
        "The committee met on Tuesday to review the budget for the coming year.",
        "Several members asked whether the new building could be finished in time,",
        "and the architect explained that the delays were caused by the weather.",
        "After a short break, the chair read the letters received from residents.",
        "Most of them supported the plan, although some worried about the noise",
        "and the traffic that the construction work would bring to the street.",
        "It was agreed that a public meeting would be held before the next vote,",
        "so that everyone could hear the answers and ask their own questions.",
    };
    return lines;
}

const std::vector<Group> &allGroups()
{
    static const QStringList latin{"Noto Sans", "Noto Serif", "DejaVu Sans Mono"};
    static const std::vector<Group> groups{
        {"english", latin, {"The quick brown fox jumps over the lazy dog.", "Invoice 2024-117 was paid on March 3rd."}, "eng"},
        {"french", latin, {"Où est la boîte à lettres près de l'hôtel ?", "Le garçon a mangé une crêpe très sucrée."}, "fra"},
        {"german", latin, {"Zwölf Boxkämpfer jagen Viktor quer über", "den großen Deich, während es regnet."}, "deu"},
        {"spanish", latin, {"El pingüino comió jamón en la montaña.", "¿Dónde está la estación de autobuses?"}, "spa"},
        {"portuguese", latin, {"À noite, o avô vê o ímã cair no chão.", "Não há açúcar suficiente para o café."}, "por"},
        {"italian", latin, {"Perché la città è così affollata oggi?", "Il caffè è già pronto sul tavolo."}, "ita"},
        {"turkish", latin, {"Pijamalı hasta yağız şoföre çabucak güvendi.", "Görüşmek üzere, iyi günler dilerim."}, "tur"},
        {"zh-Hans", {"Noto Sans CJK SC"}, {"今天的天气很好，我们去公园散步吧。", "请把这份文件发送给项目经理审核。"}, "chi_sim"},
        {"zh-Hant", {"Noto Sans CJK TC"}, {"今天的天氣很好，我們去公園散步吧。", "請把這份文件傳送給專案經理審核。"}, "chi_tra"},
        {"japanese", {"Noto Sans CJK JP"}, {"吾輩は猫である。名前はまだ無い。", "どこで生れたかとんと見当がつかぬ。"}, "jpn"},
        {"korean", {"Noto Sans CJK KR"}, {"다람쥐 헌 쳇바퀴에 타고파.", "오늘 회의는 오후 세 시에 시작합니다."}, "kor"},
        {"mixed", {"Noto Sans CJK SC"}, {"请在 Settings 中打开 Dark Mode 选项。", "版本 2.4.1 修复了 Login 页面的问题。"}, "chi_sim+eng"},
        {"code", {"DejaVu Sans Mono"}, {"for (int i = 0; i < count; ++i) {", "total += values[i] * 2; // sum"}, "eng"},
        {"ui", {"Noto Sans"}, {"Settings > Privacy & Security", "Last updated: 5 minutes ago"}, "eng"},
        {"framed", {"Noto Sans", "DejaVu Sans"}, {"The lazy dog slept near the river bank.", "Press Save to keep your changes."}, "eng", Surround::frame},
        {"scrollbars", {"Noto Sans", "Noto Serif"}, {"Downloads are stored in your home folder.", "You can change this in the preferences."}, "eng", Surround::scrollBar},
        {"window-frame", {"Noto Sans", "DejaVu Sans Mono"}, {"$ sudo apt-get install tesseract-ocr", "Reading package lists... Done"}, "eng", Surround::windowFrame},
        {"low-contrast", {"Noto Sans", "DejaVu Sans"}, {"Limited offer: save 20% today only", "Free shipping on orders over 50 euros"}, "eng", Surround::lowContrast},
        {"urls-paths", {"Noto Sans", "DejaVu Sans Mono"}, {"See https://www.example.org/docs/v2.4.1/index.html", "Write to anna.berg@example.com or open /usr/share/doc/README.md"}, "eng"},
        {"dense-window", {"Noto Sans", "Noto Serif"}, denseText(), "eng", Surround::denseWindow},
    };
    return groups;
}

} // namespace

namespace Corpus {

QStringList groups()
{
    QStringList names;
    for (const Group &group : allGroups())
        names << QString::fromLatin1(group.name);
    return names;
}

std::vector<CorpusSample> samples(const QStringList &selected)
{
    std::vector<CorpusSample> result;
    int index = 0;
    for (const Group &group : allGroups()) {
        if (!selected.isEmpty() && !selected.contains(QLatin1String(group.name)))
            continue;
        for (int pixelSize : {11, 13, 14, 18, 24}) {
            for (int scale : {1, 2}) {
                TextRenderer renderer;
                renderer.family = group.fonts[index % group.fonts.size()];
                renderer.pixelSize = pixelSize;
                renderer.scale = scale;
                renderer.dark = index % 4 == 1 || index % 4 == 2;
                ++index;
                CorpusSample sample;
                sample.group = QString::fromLatin1(group.name);
                sample.name = QStringLiteral("%1-%2px-x%3-%4-%5")
                                  .arg(sample.group)
                                  .arg(pixelSize)
                                  .arg(scale)
                                  .arg(renderer.dark ? "dark" : "light", QString(renderer.family).remove(u' '));
                sample.truth = group.lines.join(u'\n');
                // Low contrast: pale text on a saturated colour of nearly the same brightness.
                const QImage text = group.surround != Surround::lowContrast ? renderer.render(group.lines)
                    : renderer.dark ? renderer.render(group.lines, QColor(0x62, 0x98, 0x6c), QColor(0x2f, 0x6f, 0x3f))
                                    : renderer.render(group.lines, QColor(0xff, 0xc0, 0x80), QColor(0xf0, 0x8c, 0x1a));
                sample.image = TextRenderer::surrounded(text, group.surround, renderer.dark, scale);
                sample.pixelSize = pixelSize;
                sample.model = QString::fromLatin1(group.model);
                result.push_back(std::move(sample));
            }
        }
    }
    return result;
}

std::vector<CorpusSample> captured(const QString &folder, const QStringList &selected)
{
    // NAME.png, NAME.txt (the text), NAME.lang (the model and the text's pixel size); the
    // group is the name without its last '-' part.
    std::vector<CorpusSample> result;
    const QDir dir(folder);
    for (const QString &file : dir.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name)) {
        CorpusSample sample;
        sample.name = file.chopped(4);
        sample.group = QStringLiteral("real-") + sample.name.section(u'-', 0, -2);
        if (!selected.isEmpty() && !selected.contains(sample.group))
            continue;
        QFile truth(dir.filePath(sample.name + QStringLiteral(".txt")));
        QFile about(dir.filePath(sample.name + QStringLiteral(".lang")));
        if (!truth.open(QIODevice::ReadOnly) || !about.open(QIODevice::ReadOnly))
            continue;
        sample.truth = QString::fromUtf8(truth.readAll()).trimmed();
        const QStringList fields = QString::fromUtf8(about.readAll()).simplified().split(u' ');
        sample.model = fields.value(0);
        sample.pixelSize = fields.value(1).toInt();
        sample.image = QImage(dir.filePath(file));
        if (!sample.image.isNull())
            result.push_back(std::move(sample));
    }
    return result;
}

CorpusSample fullScreenChinese()
{
    const QStringList paragraph{
        "今天的天气很好，我们去公园散步吧。请把这份文件发送给项目经理审核。",
        "会议将在下午三点开始，请大家准时参加并提前准备好材料。",
        "这个版本修复了登录页面的问题，并提升了整体性能和稳定性。",
    };
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(16);
    QImage image(1920, 1080, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(QColor(0x1d, 0x1d, 0x1f));
    const QFontMetrics metrics(font);
    QStringList truth;
    const int lineHeight = metrics.lineSpacing() + 8;
    for (int y = 20, i = 0; y + lineHeight < 1080; y += lineHeight, ++i) {
        const QString line = paragraph[i % 3] + paragraph[(i + 1) % 3] + paragraph[(i + 2) % 3];
        painter.drawText(20, y + metrics.ascent(), line);
        truth << line;
    }
    return CorpusSample{"fullscreen-zh", "fullscreen-zh-16px", truth.join(u'\n'), image, 16, "chi_sim"};
}

} // namespace Corpus
