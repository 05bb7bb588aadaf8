#pragma once
// The about box: the product, its version, and where to write and read more.
#include <QDialog>

class QLabel;
class QPushButton;

namespace fq {

inline constexpr char kSupportAddress[] = "support@fennquill.org";
inline constexpr char kWebAddress[] = "https://fennquill.org";

class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* parent = nullptr);

    QLabel* Image1;
    QLabel* Label1;  // the product and its version
    QLabel* Label4;  // "Mail to: "
    QLabel* Label5;  // the support address
    QLabel* Label2;  // "Web:"
    QLabel* Label3;  // the web address
    QPushButton* Button1;

public slots:
    // Starts a new mail to the support address.
    void Label5Click();
    // Shows the web site.
    void Label3Click();
};

}  // namespace fq
