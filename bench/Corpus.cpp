#include "Corpus.h"

#include "TextRenderer.h"

#include <QPainter>

namespace {
struct Group {
    const char *name;
    QStringList fonts;
    QStringList lines;
};

const std::vector<Group> &allGroups()
{
    static const QStringList latin{"Noto Sans", "Noto Serif", "DejaVu Sans Mono"};
    static const std::vector<Group> groups{
        {"english", latin, {"The quick brown fox jumps over the lazy dog.", "Invoice 2024-117 was paid on March 3rd."}},
        {"french", latin, {"Où est la boîte à lettres près de l'hôtel ?", "Le garçon a mangé une crêpe très sucrée."}},
        {"german", latin, {"Zwölf Boxkämpfer jagen Viktor quer über", "den großen Deich, während es regnet."}},
        {"spanish", latin, {"El pingüino comió jamón en la montaña.", "¿Dónde está la estación de autobuses?"}},
        {"portuguese", latin, {"À noite, o avô vê o ímã cair no chão.", "Não há açúcar suficiente para o café."}},
        {"italian", latin, {"Perché la città è così affollata oggi?", "Il caffè è già pronto sul tavolo."}},
        {"turkish", latin, {"Pijamalı hasta yağız şoföre çabucak güvendi.", "Görüşmek üzere, iyi günler dilerim."}},
        {"zh-Hans", {"Noto Sans CJK SC"}, {"今天的天气很好，我们去公园散步吧。", "请把这份文件发送给项目经理审核。"}},
        {"zh-Hant", {"Noto Sans CJK TC"}, {"今天的天氣很好，我們去公園散步吧。", "請把這份文件傳送給專案經理審核。"}},
        {"japanese", {"Noto Sans CJK JP"}, {"吾輩は猫である。名前はまだ無い。", "どこで生れたかとんと見当がつかぬ。"}},
        {"korean", {"Noto Sans CJK KR"}, {"다람쥐 헌 쳇바퀴에 타고파.", "오늘 회의는 오후 세 시에 시작합니다."}},
        {"mixed", {"Noto Sans CJK SC"}, {"请在 Settings 中打开 Dark Mode 选项。", "版本 2.4.1 修复了 Login 页面的问题。"}},
        {"code", {"DejaVu Sans Mono"}, {"for (int i = 0; i < count; ++i) {", "total += values[i] * 2; // sum"}},
        {"ui", {"Noto Sans"}, {"Settings > Privacy & Security", "Last updated: 5 minutes ago"}},
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
                sample.image = renderer.render(group.lines);
                sample.pixelSize = pixelSize;
                result.push_back(std::move(sample));
            }
        }
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
    return CorpusSample{"fullscreen-zh", "fullscreen-zh-16px", truth.join(u'\n'), image, 16};
}

} // namespace Corpus
