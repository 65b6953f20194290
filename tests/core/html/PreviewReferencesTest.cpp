// The preview copy's references pointed at the files they name.
#include "html/PreviewReferences.h"

#include <gtest/gtest.h>

TEST(PreviewReferences, RelativeReferencesToFoundFilesBecomeFileUrls)
{
    const auto locate = [](const QString& name) {
        if (name == QLatin1String("paper.png") || name == QLatin1String("my pic.jpg") || name == QLatin1String("css\\site.css"))
            return QStringLiteral("/home/u/shop/") + QString(name).replace(QLatin1Char('\\'), QLatin1Char('/'));
        return QString();
    };
    struct Row {
        const char* page;
        const char* preview;
    } rows[] = {
        {R"x(<img src="paper.png">)x", R"x(<img src="file:///home/u/shop/paper.png">)x"},
        {R"x(<IMG SRC='paper.png?v=2' alt=x>)x", R"x(<IMG SRC='file:///home/u/shop/paper.png?v=2' alt=x>)x"},
        {R"x(<td background=paper.png>)x", R"x(<td background=file:///home/u/shop/paper.png>)x"},
        {R"x(<div style="background-image:url('paper.png')">)x", R"x(<div style="background-image:url('file:///home/u/shop/paper.png')">)x"},
        {R"x(<div style="background: url( paper.png ) repeat">)x", R"x(<div style="background: url( file:///home/u/shop/paper.png ) repeat">)x"},
        {R"x(<img src="my%20pic.jpg">)x", R"x(<img src="file:///home/u/shop/my%20pic.jpg">)x"},
        {R"x(<link href="css\site.css" rel=stylesheet>)x", R"x(<link href="file:///home/u/shop/css/site.css" rel=stylesheet>)x"},
        // Not found, absolute, with a scheme, a fragment: as written.
        {R"x(<img src="missing.png">)x", R"x(<img src="missing.png">)x"},
        {R"x(<img src="/srv/paper.png">)x", R"x(<img src="/srv/paper.png">)x"},
        {R"x(<img src="http://example.com/paper.png">)x", R"x(<img src="http://example.com/paper.png">)x"},
        {R"x(<a href="#top">top</a> <a href="mailto:a@b.c">mail</a>)x", R"x(<a href="#top">top</a> <a href="mailto:a@b.c">mail</a>)x"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(WithLocalReferences(QString::fromUtf8(row.page), locate), QString::fromUtf8(row.preview)) << row.page;
}
