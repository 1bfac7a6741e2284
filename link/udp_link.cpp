#include "udp_link.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "diagnostics.h"
#include "operator_message.h"
#include "poll_wait.h"
#include "trace.h"

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
  if (::bind(m_command_socket_fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
    diag("%s", failure_diagnostic);
    // Replies could never reach an unbound socket; keeping it would only
    // let a later send leave from some other port.
    close();
    return false;
  }
  ::fcntl(m_command_socket_fd, F_SETFL, ::fcntl(m_command_socket_fd, F_GETFL) | O_NONBLOCK);
  return true;
}

bool UdpLink::prepare_search_socket() {
  if (m_command_socket_fd != -1) return true;
  m_command_socket_fd = create_socket();
  if (m_command_socket_fd < 0) {
    m_command_socket_fd = -1;
    return false;
  }
  address_record = {};
  address_record.sin_family = AF_INET;
  address_record.sin_port = htons(settings_.device_port);
  inet_pton(AF_INET, settings_.broadcast.c_str(), &address_record.sin_addr);
  const int allow = 1;
  ::setsockopt(m_command_socket_fd, SOL_SOCKET, SO_BROADCAST, &allow, sizeof allow);
  // Which card an answer came in on tells the operator which network a
  // device is on, even when its address lies in none of them.
  ::setsockopt(m_command_socket_fd, IPPROTO_IP, IP_PKTINFO, &allow, sizeof allow);
  return bind_local("bind  socket fail \n");
}

// An address text that does not parse leaves the record empty, so that the
// send fails instead of going to whatever a zero address means locally.
void UdpLink::point_at(const DeviceEntry& device) {
  address_record = {};
  in_addr parsed{};
  if (inet_pton(AF_INET, device.address_text().c_str(), &parsed) != 1) {
    diag("device address \"%s\" is not an IPv4 address \n", device.address_text().c_str());
    return;
  }
  address_record.sin_family = AF_INET;
  address_record.sin_port = htons(settings_.device_port);
  address_record.sin_addr = parsed;
}

bool UdpLink::prepare_command_socket(const DeviceEntry* current_device) {
  const bool reuse = m_command_socket_fd != -1;
  if (reuse) {
    diag("m_udpSockfd have on live \n");
  } else {
    m_command_socket_fd = create_socket();
    if (m_command_socket_fd < 0) {
      m_command_socket_fd = -1;
      diag("socket fun err \n");
      return false;
    }
  }
  address_record = {};
  if (current_device == nullptr) {
    show_operator_message("Please choose a device");
    close();
    return false;
  }
  point_at(*current_device);
  return reuse || bind_local("bind err\n");
}

bool UdpLink::send(ByteView frame) { return send_to(frame, address_record); }

bool UdpLink::send_to(ByteView frame, const sockaddr_in& destination) {
  if (m_command_socket_fd < 0) return false;
  const ssize_t sent = ::sendto(m_command_socket_fd, frame.data(), frame.size(), 0,
                                reinterpret_cast<const sockaddr*>(&destination), sizeof destination);
  if (sent == static_cast<ssize_t>(frame.size())) {
    protocol_trace().record_udp(TraceDirection::Sent, destination, frame);
    return true;
  }
  const std::string to = address_text(destination) + ":" + std::to_string(ntohs(destination.sin_port));
  if (sent < 0) {
    diag("send to %s failed: %s \n", to.c_str(), std::strerror(errno));
  } else {
    diag("send to %s left %d of %d bytes \n", to.c_str(), static_cast<int>(sent), static_cast<int>(frame.size()));
  }
  return false;
}

Received UdpLink::poll(std::uint8_t* buffer, std::size_t capacity) {
  if (m_command_socket_fd < 0) return {};
  sockaddr_in source{};
  iovec data{buffer, capacity};
  alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))] = {};
  msghdr message{};
  message.msg_name = &source;
  message.msg_namelen = sizeof source;
  message.msg_iov = &data;
  message.msg_iovlen = 1;
  message.msg_control = control;
  message.msg_controllen = sizeof control;
  // MSG_TRUNC makes recvmsg report the datagram's real length.
  const ssize_t length = ::recvmsg(m_command_socket_fd, &message, MSG_DONTWAIT | MSG_TRUNC);
  if (length < 0) return {};
  last_source = source;
  last_arrival_interface = 0;
  for (cmsghdr* c = CMSG_FIRSTHDR(&message); c != nullptr; c = CMSG_NXTHDR(&message, c)) {
    if (c->cmsg_level == IPPROTO_IP && c->cmsg_type == IP_PKTINFO) {
      in_pktinfo info{};
      std::memcpy(&info, CMSG_DATA(c), sizeof info);
      last_arrival_interface = static_cast<unsigned>(info.ipi_ifindex);
    }
  }
  if (static_cast<std::size_t>(length) > capacity) {
    diag("datagram of %d bytes is larger than the receive buffer of %d, not taken \n", static_cast<int>(length),
         static_cast<int>(capacity));
    return {Received::Kind::Oversized, 0};
  }
  protocol_trace().record_udp(TraceDirection::Received, source, ByteView(buffer, static_cast<std::size_t>(length)));
  return {Received::Kind::Datagram, static_cast<std::size_t>(length)};
}

bool UdpLink::wait_readable(const Deadline& until) const {
  if (m_command_socket_fd < 0) {
    poll_until(nullptr, 0, &until);
    return false;
  }
  pollfd entry{m_command_socket_fd, POLLIN, 0};
  return poll_until(&entry, 1, &until) > 0 && (entry.revents & POLLIN);
}

void UdpLink::close() {
  if (m_command_socket_fd != -1) {
    if (closing_observer_) closing_observer_();
    ::close(m_command_socket_fd);
    m_command_socket_fd = -1;
  }
}

}  // namespace vela
