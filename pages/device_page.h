#pragma once
// The base of every device page shown in the main window's page area.
#include <QString>
#include <QWidget>

namespace vela {

class PageContext;

class DevicePage : public QWidget {
  Q_OBJECT
 public:
  // The page works on `context` (the link and the device records) for its
  // whole life; the context outlives it.
  DevicePage(const QString& class_name, int template_id, PageContext& context, QWidget* parent);

  PageContext& context() const { return m_context; }

  const QString& class_name() const { return class_name_; }
  int template_id() const { return template_id_; }
  // Every page object gets its own number, so a page made anew for the same
  // entry can be told from the one it replaced.
  quint64 instance_number() const { return instance_number_; }

  // The page is about to be released (later, by the event loop): stop its
  // timers and sub-pages now, so nothing of it runs in between.
  virtual void close_page() {}
  // Before the command socket closes: whatever sends on the page's behalf
  // from another thread (the switcher's lever worker) ends and is joined.
  virtual void stop_senders() {}

 protected:
  PageContext& m_context;

  void paintEvent(QPaintEvent* event) override;

 private:
  QString class_name_;
  int template_id_;
  quint64 instance_number_;
};

}  // namespace vela
