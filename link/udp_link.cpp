#include "udp_link.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "diagnostics.h"
#include "operator_message.h"

namespace vela {

std::string address_text(const sockaddr_in& address) {
  char text[INET_ADDRSTRLEN] = {};
  inet_ntop(AF_INET, &address.sin_addr, text, sizeof text);
  return text;
}

UdpLink::UdpLink(LinkSettings settings) : settings_(std::move(settings)) {}

UdpLink::~UdpLink() { close(); }

std::string UdpLink::last_source_text() const { return address_text(last_source); }

int UdpLink::create_socket() { return ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP); }

bool UdpLink::bind_local(const char* failure_diagnostic) {
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_addr.s_addr = htonl(INADDR_ANY);
  local.sin_port = htons(settings_.local_port);
  if (::bind(m_udpSockfd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
    diag("%s", failure_diagnostic);
    return false;
  }
  ::fcntl(m_udpSockfd, F_SETFL, ::fcntl(m_udpSockfd, F_GETFL) | O_NONBLOCK);
  return true;
}

bool UdpLink::prepare_search_socket() {
  if (m_udpSockfd != -1) return true;
  m_udpSockfd = create_socket();
  if (m_udpSockfd < 0) {
    m_udpSockfd = -1;
    return false;
  }
  address_record = {};
  address_record.sin_family = AF_INET;
  address_record.sin_port = htons(settings_.device_port);
  inet_pton(AF_INET, settings_.broadcast.c_str(), &address_record.sin_addr);
  const int allow = 1;
  ::setsockopt(m_udpSockfd, SOL_SOCKET, SO_BROADCAST, &allow, sizeof allow);
  return bind_local("bind  socket fail \n");
}

bool UdpLink::prepare_command_socket(const DeviceEntry* current_device) {
  if (m_udpSockfd != -1) {
    diag("m_udpSockfd have on live \n");
    return true;
  }
  m_udpSockfd = create_socket();
  if (m_udpSockfd < 0) {
    m_udpSockfd = -1;
    diag("socket fun err \n");
    return false;
  }
  address_record = {};
  if (current_device == nullptr) {
    show_operator_message("Please choose a device");
    close();
    return false;
  }
  address_record.sin_family = AF_INET;
  address_record.sin_port = htons(settings_.device_port);
  inet_pton(AF_INET, current_device->address_text().c_str(), &address_record.sin_addr);
  return bind_local("bind err\n");
}

void UdpLink::send(ByteView frame) {
  if (m_udpSockfd < 0) return;
  ::sendto(m_udpSockfd, frame.data(), frame.size(), 0, reinterpret_cast<const sockaddr*>(&address_record),
           sizeof address_record);
}

Received UdpLink::poll(std::uint8_t* buffer, std::size_t capacity) {
  if (m_udpSockfd < 0) return {};
  sockaddr_in source{};
  socklen_t source_length = sizeof source;
  // MSG_TRUNC makes recvfrom report the datagram's real length.
  const ssize_t length = ::recvfrom(m_udpSockfd, buffer, capacity, MSG_DONTWAIT | MSG_TRUNC,
                                    reinterpret_cast<sockaddr*>(&source), &source_length);
  if (length < 0) return {};
  last_source = source;
  if (static_cast<std::size_t>(length) > capacity) {
    diag("datagram of %d bytes is larger than the receive buffer of %d, not taken \n", static_cast<int>(length),
         static_cast<int>(capacity));
    return {Received::Kind::Oversized, 0};
  }
  return {Received::Kind::Datagram, static_cast<std::size_t>(length)};
}

bool UdpLink::wait_readable(int timeout_ms) const {
  if (timeout_ms < 0) timeout_ms = 0;
  if (m_udpSockfd < 0) {
    ::poll(nullptr, 0, timeout_ms);
    return false;
  }
  pollfd entry{m_udpSockfd, POLLIN, 0};
  return ::poll(&entry, 1, timeout_ms) > 0 && (entry.revents & POLLIN);
}

void UdpLink::close() {
  if (m_udpSockfd != -1) {
    ::close(m_udpSockfd);
    m_udpSockfd = -1;
  }
}

}  // namespace vela
